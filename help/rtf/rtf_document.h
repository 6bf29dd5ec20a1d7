#pragma once

// What an RTF document says, independent of any toolkit: paragraphs of formatted runs, pictures
// and tables whose cells hold more paragraphs and tables. Text is UTF-8; U+2028 is a line break
// inside a paragraph.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rtf {

struct Color
{
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    bool operator==(const Color &other) const { return red == other.red && green == other.green && blue == other.blue; }
};

enum class VerticalPosition
{
    Normal,
    Superscript,
    Subscript
};

// A hyperlink's target, shared by every run of text in its field: a field
// with thousands of runs and a long target costs one copy of it, not one each.
class Link
{
public:
    Link() = default;
    explicit Link(std::string target)
        : m_target(std::make_shared<const std::string>(std::move(target)))
    { }

    const std::string &target() const
    {
        static const std::string none;
        return m_target ? *m_target : none;
    }
    bool empty() const { return target().empty(); }
    bool operator==(const Link &other) const { return m_target == other.m_target || target() == other.target(); }
    bool operator==(std::string_view other) const { return target() == other; }

private:
    std::shared_ptr<const std::string> m_target;
};

struct CharFormat
{
    std::string fontFamily; // empty: the reader's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalPosition position = VerticalPosition::Normal;
    std::optional<Color> color;
    std::optional<Color> highlight;
    Link link; // target of a hyperlink, empty when the text is no link

    bool operator==(const CharFormat &other) const
    {
        return fontFamily == other.fontFamily && halfPoints == other.halfPoints && bold == other.bold
            && italic == other.italic && underline == other.underline && strike == other.strike
            && position == other.position && color == other.color && highlight == other.highlight && link == other.link;
    }
};

struct Picture
{
    enum class Kind
    {
        Png,
        Jpeg
    };
    Kind kind = Kind::Png;
    std::string data;
    int widthTwips = 0; // wanted size on the page; 0 when the document gives none
    int heightTwips = 0;
};

// A run of text in one format, or a picture.
struct Inline
{
    std::string text;
    CharFormat format;
    std::optional<Picture> picture;
};

enum class Alignment
{
    Left,
    Center,
    Right,
    Justify
};

struct ParagraphFormat
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0; // all in twips
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool pageBreakBefore = false;
};

struct Paragraph
{
    ParagraphFormat format;
    std::vector<Inline> inlines;
};

struct Table;

struct Block
{
    Block(Paragraph paragraph);
    Block(Table table);
    Block(const Block &other);
    Block(Block &&other) noexcept;
    Block &operator=(Block other);
    ~Block();

    const Paragraph *paragraph() const { return paragraph_ ? &*paragraph_ : nullptr; }
    const Table *table() const { return table_.get(); }

private:
    std::optional<Paragraph> paragraph_;
    std::unique_ptr<Table> table_;
};

struct Cell
{
    std::vector<Block> blocks;
};

struct Row
{
    std::vector<Cell> cells;
};

struct Table
{
    std::vector<Row> rows;
    std::size_t columnCount() const;
};

struct Document
{
    std::vector<Block> blocks;
};

} // namespace rtf
