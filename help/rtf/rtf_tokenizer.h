#pragma once

#include <string_view>

namespace rtf {

struct Token
{
    enum class Type
    {
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        HexByte,
        Text,
        End
    };
    Type type = Type::End;
    std::string_view word; // control word name, or the text of a Text token
    bool hasParameter = false;
    int parameter = 0; // control word parameter, or the byte of a HexByte
    char symbol = 0; // control symbol; a backslash before a line break reads as '\n'
};

// Splits RTF into tokens. Line breaks in the source are not text; parameters beyond 32 bits are
// held at the nearest limit.
class Tokenizer
{
public:
    explicit Tokenizer(std::string_view input)
        : input(input)
    { }

    Token next();
    // The raw bytes after \binN, at most as many as are left.
    std::string_view takeBinary(std::size_t count);

private:
    Token controlWord();

    std::string_view input;
    std::size_t position = 0;
};

} // namespace rtf
