#include "core/exchange/field_checks.h"

namespace exchange {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

std::size_t skipSign(std::string_view text, std::size_t at)
{
    return at < text.size() && (text[at] == '-' || text[at] == '+') ? at + 1 : at;
}

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

bool isNumberText(std::string_view text)
{
    std::size_t at = skipSign(text, 0);
    const std::size_t whole = at;
    at = skipDigits(text, at);
    bool digits = at > whole;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = ++at;
        at = skipDigits(text, at);
        digits = digits || at > fraction;
    }
    if (digits && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        const std::size_t exponent = skipSign(text, at + 1);
        at = skipDigits(text, exponent);
        digits = at > exponent;
    }
    return digits && at == text.size();
}

bool isPlainInteger(std::string_view text)
{
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t digits = text.size() - first;
    return digits >= 1 && digits <= 18 && skipDigits(text, first) == text.size();
}

qsizetype utf8Characters(std::string_view text)
{
    qsizetype characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = sequenceLength(lead);
        if (length == 0 || at + length > text.size()) {
            return -1;
        }
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            const bool second = i == 1;
            const unsigned char low = second && lead == 0xE0 ? 0xA0 : second && lead == 0xF0 ? 0x90 : 0x80;
            const unsigned char high = second && lead == 0xED ? 0x9F : second && lead == 0xF4 ? 0x8F : 0xBF;
            if (next < low || next > high) {
                return -1;
            }
        }
        at += length;
    }
    return characters;
}

QString fieldProblem(const CsvField &field, bool numberColumn)
{
    if (field.text.empty()) {
        return {};
    }
    if (numberColumn) {
        return isNumberText(field.text)
            ? QString()
            : QStringLiteral("\"%1\" is not a number")
                  .arg(QString::fromUtf8(field.text.data(), qsizetype(std::min<std::size_t>(field.text.size(), 40))));
    }
    const qsizetype characters = utf8Characters(field.text);
    if (characters < 0) {
        return QStringLiteral("the text is not UTF-8");
    }
    if (characters > maxTextCharacters) {
        return QStringLiteral("the text has %1 characters, more than the %2 allowed")
            .arg(characters)
            .arg(maxTextCharacters);
    }
    return {};
}

} // namespace exchange
