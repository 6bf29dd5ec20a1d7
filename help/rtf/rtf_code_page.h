#pragma once

#include <iconv.h>
#include <map>
#include <string>
#include <string_view>

namespace rtf {

// The Windows code page an RTF font character set (\fcharsetN) stands for; 0 when it names none.
int codePageOfCharset(int charset);

// Turns bytes in a Windows code page into UTF-8 with the C library's iconv. Bytes that do not
// decode become U+FFFD; an unknown code page is read as 1252.
class CodePageDecoder
{
public:
    CodePageDecoder() = default;
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;
    ~CodePageDecoder();

    void appendUtf8(int codePage, std::string_view bytes, std::string &out);

private:
    iconv_t converter(int codePage);

    std::map<int, iconv_t> converters;
};

// Appends one code point as UTF-8 (U+FFFD for what is no character).
void appendCodePoint(std::uint32_t codePoint, std::string &out);

} // namespace rtf
