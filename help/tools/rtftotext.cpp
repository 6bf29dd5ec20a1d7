// Prints the text the help viewer's RTF reader finds in a file, for checking the reader against
// other tools: paragraphs on lines of their own, table cells separated by a tab.

#include "rtf/rtf_plain_text.h"
#include "rtf/rtf_reader.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: rtftotext FILE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "rtftotext: cannot open " << argv[1] << "\n";
        return 1;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::cout << rtf::plainText(rtf::read(content));
    return 0;
}
