#include "rtf/rtf_plain_text.h"

namespace rtf {

namespace {

const std::string kLineSeparator = "\xE2\x80\xA8"; // U+2028

std::string paragraphText(const Paragraph &paragraph, const std::string &lineBreak)
{
    std::string text;
    for (const Inline &piece : paragraph.inlines) {
        text += piece.text;
    }
    for (std::size_t at = text.find(kLineSeparator); at != std::string::npos;
         at = text.find(kLineSeparator, at + lineBreak.size())) {
        text.replace(at, kLineSeparator.size(), lineBreak);
    }
    return text;
}

std::string rowText(const Row &row);

// A cell's text on one line, so that the row stays one line.
std::string cellText(const Cell &cell)
{
    std::string text;
    for (const Block &block : cell.blocks) {
        std::string part;
        if (const Paragraph *paragraph = block.paragraph()) {
            part = paragraphText(*paragraph, " ");
        } else {
            for (const Row &row : block.table()->rows) {
                part += (part.empty() ? "" : " ") + rowText(row);
            }
        }
        if (!part.empty()) {
            text += (text.empty() ? "" : " ") + part;
        }
    }
    return text;
}

std::string rowText(const Row &row)
{
    std::string text;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        text += (i ? "\t" : "") + cellText(row.cells[i]);
    }
    return text;
}

} // namespace

std::string plainText(const Document &document)
{
    std::string text;
    for (const Block &block : document.blocks) {
        if (const Paragraph *paragraph = block.paragraph()) {
            text += paragraphText(*paragraph, "\n") + "\n";
        } else {
            for (const Row &row : block.table()->rows) {
                text += rowText(row) + "\n";
            }
        }
    }
    return text;
}

} // namespace rtf
