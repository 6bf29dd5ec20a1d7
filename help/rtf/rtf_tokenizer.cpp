#include "rtf/rtf_tokenizer.h"

#include <algorithm>
#include <climits>

namespace rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool endsText(char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

Token Tokenizer::next()
{
    while (position < input.size()) {
        char c = input[position];
        if (c == '\r' || c == '\n' || c == '\0') {
            ++position;
            continue;
        }
        Token token;
        if (c == '{' || c == '}') {
            ++position;
            token.type = c == '{' ? Token::Type::GroupStart : Token::Type::GroupEnd;
            return token;
        }
        if (c == '\\') {
            return controlWord();
        }
        std::size_t start = position;
        while (position < input.size() && !endsText(input[position])) {
            ++position;
        }
        token.type = Token::Type::Text;
        token.word = input.substr(start, position - start);
        return token;
    }
    return Token();
}

Token Tokenizer::controlWord()
{
    Token token;
    ++position; // the backslash
    if (position >= input.size()) {
        return token;
    }
    char c = input[position];
    if (!isLetter(c)) {
        ++position;
        if (c == '\'') {
            int high = position < input.size() ? hexValue(input[position]) : -1;
            int low = position + 1 < input.size() ? hexValue(input[position + 1]) : -1;
            if (high >= 0 && low >= 0) {
                position += 2;
                token.type = Token::Type::HexByte;
                token.parameter = high * 16 + low;
                return token;
            }
        } // a broken escape is an unknown control symbol, which readers ignore
        token.type = Token::Type::ControlSymbol;
        token.symbol = c == '\r' ? '\n' : c;
        return token;
    }
    std::size_t start = position;
    while (position < input.size() && isLetter(input[position])) {
        ++position;
    }
    token.type = Token::Type::ControlWord;
    token.word = input.substr(start, std::min<std::size_t>(position - start, 32));
    bool negative = position + 1 < input.size() && input[position] == '-' && isDigit(input[position + 1]);
    if (negative) {
        ++position;
    }
    long long value = 0;
    while (position < input.size() && isDigit(input[position])) {
        token.hasParameter = true;
        value = std::min<long long>(value * 10 + (input[position] - '0'), 1LL + INT_MAX);
        ++position;
    }
    value = negative ? -value : value;
    token.parameter = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    if (position < input.size() && input[position] == ' ') {
        ++position;
    }
    return token;
}

std::string_view Tokenizer::takeBinary(std::size_t count)
{
    std::string_view bytes = input.substr(position, std::min(count, input.size() - position));
    position += bytes.size();
    return bytes;
}

} // namespace rtf
