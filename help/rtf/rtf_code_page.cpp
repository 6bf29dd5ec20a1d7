#include "rtf/rtf_code_page.h"

#include <cerrno>
#include <cstdint>
#include <vector>

namespace rtf {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

std::vector<std::string> iconvNames(int codePage)
{
    switch (codePage) {
    case 936:
        return {"CP936", "GBK"};
    case 950:
        return {"CP950", "BIG5"};
    case 949:
        return {"CP949", "EUC-KR"};
    case 1361:
        return {"JOHAB"};
    case 10000:
        return {"MACINTOSH"};
    case 65001:
        return {"UTF-8"};
    default:
        return {"CP" + std::to_string(codePage), "WINDOWS-" + std::to_string(codePage)};
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return 0;
    }
}

void appendCodePoint(std::uint32_t codePoint, std::string &out)
{
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = 0xFFFD;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

CodePageDecoder::~CodePageDecoder()
{
    for (auto &entry : converters) {
        if (entry.second != kNoConverter) {
            iconv_close(entry.second);
        }
    }
}

iconv_t CodePageDecoder::converter(int codePage)
{
    auto found = converters.find(codePage);
    if (found != converters.end()) {
        return found->second;
    }
    iconv_t opened = kNoConverter;
    for (const std::string &name : iconvNames(codePage)) {
        opened = iconv_open("UTF-8", name.c_str());
        if (opened != kNoConverter) {
            break;
        }
    }
    converters[codePage] = opened; // an unknown code page is remembered as such
    return opened;
}

void CodePageDecoder::appendUtf8(int codePage, std::string_view bytes, std::string &out)
{
    bool ascii = true;
    for (char c : bytes) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        out.append(bytes);
        return;
    }
    iconv_t cd = converter(codePage);
    if (cd == kNoConverter) {
        cd = converter(1252);
    }
    if (cd == kNoConverter) {
        for (char c : bytes) {
            appendCodePoint(static_cast<unsigned char>(c), out); // read as Latin-1
        }
        return;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char chunk[1024];
    while (inLeft > 0) {
        char *target = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(cd, &in, &inLeft, &target, &outLeft);
        out.append(chunk, static_cast<std::size_t>(target - chunk));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            appendCodePoint(0xFFFD, out); // an undecodable or unfinished byte
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

} // namespace rtf
