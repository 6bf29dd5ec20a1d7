#include "rtf/rtf_reader.h"

#include "rtf/rtf_code_page.h"
#include "rtf/rtf_table_assembler.h"
#include "rtf/rtf_tokenizer.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace rtf {

namespace {

// Groups nested deeper than this share the state of the deepest one; no real document comes near.
constexpr std::size_t kDeepestGroup = 1000;
// A \ucN beyond this is no real fallback length.
constexpr int kLongestFallback = 64;

enum class Destination
{
    Body,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Picture
};

struct State
{
    Destination destination = Destination::Body;
    CharFormat format;
    int font = -1; // -1: the document's default font
    ParagraphFormat paragraph;
    bool inTable = false;
    int nesting = 0;
    int unicodeSkip = 1;
    bool hidden = false;
    bool footnote = false;
    int field = -1;
};

struct FontEntry
{
    std::string name;
    int codePage = 0;
    bool codePageGiven = false;
};

// A field's instruction is read once, when the field's first result begins; instruction text after
// that changes nothing, so a field with many results costs no more than one with a single result.
struct FieldInProgress
{
    std::string instruction;
    std::optional<Link> link; // set at the first result; empty when the field is no hyperlink
};

struct PictureInProgress
{
    std::optional<Picture::Kind> kind;
    std::string data;
    int pendingNibble = -1;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
};

// Destinations whose content is never shown: document settings, metadata, alternatives.
const std::set<std::string_view> kSkippedDestinations = {"aftncn",
                                                         "aftnsep",
                                                         "aftnsepc",
                                                         "annotation",
                                                         "atnauthor",
                                                         "atnid",
                                                         "background",
                                                         "bkmkend",
                                                         "bkmkstart",
                                                         "colorschememapping",
                                                         "datastore",
                                                         "docvar",
                                                         "filetbl",
                                                         "fldtype",
                                                         "footer",
                                                         "footerf",
                                                         "footerl",
                                                         "footerr",
                                                         "ftncn",
                                                         "ftnsep",
                                                         "ftnsepc",
                                                         "generator",
                                                         "header",
                                                         "headerf",
                                                         "headerl",
                                                         "headerr",
                                                         "info",
                                                         "latentstyles",
                                                         "listoverridetable",
                                                         "listpicture",
                                                         "listtable",
                                                         "mmathPr",
                                                         "nonesttables",
                                                         "nonshppict",
                                                         "objclass",
                                                         "objdata",
                                                         "pgdsctbl",
                                                         "pn",
                                                         "private",
                                                         "revtbl",
                                                         "rsidtbl",
                                                         "rxe",
                                                         "sp",
                                                         "stylesheet",
                                                         "tc",
                                                         "template",
                                                         "themedata",
                                                         "txe",
                                                         "userprops",
                                                         "xe",
                                                         "xmlnstbl"};

// Destinations marked ignorable (\*) that this reader does understand.
const std::set<std::string_view> kUnderstoodIgnorables = {"fldinst", "shppict", "nesttableprops", "footnote"};

const std::set<std::string_view> kUnderlines
    = {"ul",    "uld",      "uldash",    "uldashd",    "uldashdd",  "uldb",       "ulhwave", "ulldash", "ulth",
       "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};

const std::map<std::string_view, std::uint32_t> kSpecialCharacters
    = {{"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},
       {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}, {"emspace", 0x2003},
       {"enspace", 0x2002},   {"qmspace", 0x2005},   {"zwj", 0x200D},    {"zwnj", 0x200C}};

bool switchedOn(const Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

std::string trimmed(std::string text)
{
    auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    return text;
}

// The words of a field instruction; quoted words keep their blanks.
std::vector<std::string> instructionWords(const std::string &instruction)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < instruction.size()) {
        if (std::isspace(static_cast<unsigned char>(instruction[i]))) {
            ++i;
            continue;
        }
        std::size_t end;
        if (instruction[i] == '"') {
            end = instruction.find('"', i + 1);
            words.push_back(instruction.substr(i + 1, end == std::string::npos ? end : end - i - 1));
            i = end == std::string::npos ? instruction.size() : end + 1;
            continue;
        }
        end = i;
        while (end < instruction.size() && !std::isspace(static_cast<unsigned char>(instruction[end]))) {
            ++end;
        }
        words.push_back(instruction.substr(i, end - i));
        i = end;
    }
    return words;
}

// The target of a HYPERLINK field ("url", or "#bookmark" for \l "bookmark"); empty for other fields.
std::string hyperlinkTarget(const std::string &instruction)
{
    std::vector<std::string> words = instructionWords(instruction);
    std::string command = words.empty() ? std::string() : words[0];
    std::transform(command.begin(), command.end(), command.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (command != "HYPERLINK") {
        return {};
    }
    std::string url;
    std::string bookmark;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "\\l" && i + 1 < words.size()) {
            bookmark = words[++i];
        } else if (words[i] == "\\o" || words[i] == "\\t") {
            ++i; // a tip or target frame, not the address
        } else if (words[i].rfind('\\', 0) != 0 && url.empty()) {
            url = words[i];
        }
    }
    return bookmark.empty() ? url : url + "#" + bookmark;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

class Reader
{
public:
    explicit Reader(std::string_view input)
        : tokens(input)
        , assembler(document.blocks)
    {
        states.emplace_back();
    }

    Document run();

private:
    State &state() { return states.back(); }
    Paragraph &paragraph() { return state().footnote ? footnoteParagraph : bodyParagraph; }

    void groupStart();
    void groupEnd();
    void controlWord(const Token &token, bool starred);
    bool destinationWord(const Token &token, bool starred);
    void fontTableWord(const Token &token);
    void colorTableWord(const Token &token);
    void pictureWord(const Token &token);
    void characterWord(const Token &token);
    void paragraphWord(const Token &token);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void unicode(int value);

    void flushText();
    void appendUtf8(const std::string &utf8);
    void appendCodePoint(std::uint32_t codePoint);
    void endParagraph();
    void endCell(int level);
    void endRow(int level);
    void commitFontName();
    void finishPicture();
    void finishFootnote();
    int paragraphLevel() { return std::max(state().inTable ? 1 : 0, state().nesting); }
    int codePage();

    Tokenizer tokens;
    Document document;
    TableAssembler assembler;
    std::vector<State> states;
    std::size_t overflowDepth = 0;
    bool atGroupStart = false;
    bool ignorableNext = false;
    int skipCount = 0;
    std::uint32_t highSurrogate = 0;
    std::string pendingBytes;
    CodePageDecoder decoder;
    int documentCodePage = 1252;
    int defaultFont = 0;
    std::map<int, FontEntry> fonts;
    int fontBeingDefined = 0;
    std::string fontName;
    std::vector<std::optional<Color>> colors;
    Color colorBeingDefined;
    bool colorHasValue = false;
    std::vector<FieldInProgress> fields;
    PictureInProgress picture;
    Paragraph bodyParagraph;
    Paragraph footnoteParagraph;
    std::vector<std::vector<Block>> footnotes;
    bool pageBreakPending = false;
};

Document Reader::run()
{
    for (Token token = tokens.next(); token.type != Token::Type::End; token = tokens.next()) {
        bool starred = ignorableNext;
        bool groupBegins = atGroupStart;
        ignorableNext = false;
        atGroupStart = false;
        if (token.type != Token::Type::Text && token.type != Token::Type::HexByte) {
            flushText();
        }
        if (skipCount > 0 && token.type != Token::Type::Text) {
            if (token.type != Token::Type::GroupStart && token.type != Token::Type::GroupEnd) {
                --skipCount;
                continue;
            }
            skipCount = 0;
        }
        switch (token.type) {
        case Token::Type::GroupStart:
            groupStart();
            break;
        case Token::Type::GroupEnd:
            groupEnd();
            break;
        case Token::Type::ControlWord:
            controlWord(token, starred);
            break;
        case Token::Type::ControlSymbol:
            // \* counts only at the start of a group, where it marks the group ignorable.
            if (token.symbol == '*' && groupBegins) {
                ignorableNext = true;
                atGroupStart = true;
            } else {
                controlSymbol(token.symbol);
            }
            break;
        case Token::Type::HexByte:
            hexByte(static_cast<unsigned char>(token.parameter));
            break;
        case Token::Type::Text:
            text(token.word);
            break;
        case Token::Type::End:
            break;
        }
    }
    flushText();
    if (state().footnote) {
        finishFootnote();
    }
    if (!bodyParagraph.inlines.empty()) {
        state().footnote = false;
        endParagraph();
    }
    assembler.finish();
    for (auto &notes : footnotes) {
        std::move(notes.begin(), notes.end(), std::back_inserter(document.blocks));
    }
    return std::move(document);
}

void Reader::groupStart()
{
    skipCount = 0;
    atGroupStart = true;
    if (states.size() >= kDeepestGroup) {
        ++overflowDepth;
        return;
    }
    states.push_back(states.back());
}

void Reader::groupEnd()
{
    skipCount = 0;
    if (overflowDepth > 0) {
        --overflowDepth;
        return;
    }
    if (states.size() <= 1) {
        return; // a surplus closing brace
    }
    State closing = states.back();
    states.pop_back();
    if (closing.destination == Destination::Picture && state().destination != Destination::Picture) {
        finishPicture();
    }
    if (closing.destination == Destination::FontTable && !fontName.empty()) {
        commitFontName();
    }
    if (closing.footnote && !state().footnote) {
        finishFootnote();
    }
}

void Reader::controlWord(const Token &token, bool starred)
{
    if (token.word == "bin") {
        std::string_view data = tokens.takeBinary(static_cast<std::size_t>(std::max(token.parameter, 0)));
        if (state().destination == Destination::Picture) {
            picture.data.append(data);
        }
        return;
    }
    if (destinationWord(token, starred) || state().destination == Destination::Skip) {
        return;
    }
    switch (state().destination) {
    case Destination::FontTable:
        fontTableWord(token);
        return;
    case Destination::ColorTable:
        colorTableWord(token);
        return;
    case Destination::Picture:
        pictureWord(token);
        return;
    default:
        break;
    }
    if (token.word == "u") {
        unicode(token.parameter);
    } else if (token.word == "uc") {
        state().unicodeSkip = std::clamp(token.parameter, 0, kLongestFallback);
    } else if (token.word == "ansicpg" && token.parameter > 0) {
        documentCodePage = token.parameter;
    } else if (token.word == "mac") {
        documentCodePage = 10000;
    } else if (token.word == "pc") {
        documentCodePage = 437;
    } else if (token.word == "pca") {
        documentCodePage = 850;
    } else if (token.word == "deff") {
        defaultFont = token.parameter;
    } else if (auto special = kSpecialCharacters.find(token.word); special != kSpecialCharacters.end()) {
        appendCodePoint(special->second);
    } else if (token.word == "chftn") {
        appendUtf8(std::to_string(footnotes.size() + (state().footnote ? 0 : 1)));
    } else {
        paragraphWord(token);
        characterWord(token);
    }
}

bool Reader::destinationWord(const Token &token, bool starred)
{
    std::string_view word = token.word;
    State &current = state();
    if (kSkippedDestinations.count(word) || (starred && !kUnderstoodIgnorables.count(word))) {
        current.destination = Destination::Skip;
    } else if (current.destination == Destination::Skip) {
        return true;
    } else if (word == "fonttbl") {
        current.destination = Destination::FontTable;
    } else if (word == "colortbl") {
        current.destination = Destination::ColorTable;
        colors.clear();
    } else if (word == "pict") {
        current.destination = Destination::Picture;
        picture = PictureInProgress();
    } else if (word == "field") {
        current.field = static_cast<int>(fields.size());
        fields.emplace_back();
    } else if (word == "fldinst") {
        current.destination = Destination::FieldInstruction;
    } else if (word == "fldrslt") {
        current.destination = Destination::Body;
        if (current.field >= 0) {
            FieldInProgress &field = fields[current.field];
            if (!field.link) {
                field.link = Link(hyperlinkTarget(field.instruction));
                field.instruction = std::string();
            }
            if (!field.link->empty()) {
                current.format.link = *field.link;
            }
        }
    } else if (word == "footnote") {
        footnotes.emplace_back();
        footnoteParagraph = Paragraph();
        current.footnote = true;
        current.destination = Destination::Body;
        current.inTable = false;
        current.nesting = 0;
    } else if (word == "shppict" || word == "nesttableprops") {
        current.destination = Destination::Body;
    } else {
        return false;
    }
    return true;
}

void Reader::fontTableWord(const Token &token)
{
    if (token.word == "f") {
        if (!fontName.empty()) {
            commitFontName();
        }
        fontBeingDefined = token.parameter;
        fonts[fontBeingDefined];
    } else if (token.word == "fcharset" && !fonts[fontBeingDefined].codePageGiven) {
        fonts[fontBeingDefined].codePage = codePageOfCharset(token.parameter);
    } else if (token.word == "cpg") {
        fonts[fontBeingDefined].codePage = token.parameter;
        fonts[fontBeingDefined].codePageGiven = true;
    }
}

void Reader::colorTableWord(const Token &token)
{
    auto component = static_cast<unsigned char>(std::clamp(token.parameter, 0, 255));
    if (token.word == "red") {
        colorBeingDefined.red = component;
    } else if (token.word == "green") {
        colorBeingDefined.green = component;
    } else if (token.word == "blue") {
        colorBeingDefined.blue = component;
    } else {
        return;
    }
    colorHasValue = true;
}

void Reader::pictureWord(const Token &token)
{
    if (token.word == "pngblip") {
        picture.kind = Picture::Kind::Png;
    } else if (token.word == "jpegblip") {
        picture.kind = Picture::Kind::Jpeg;
    } else if (token.word == "picwgoal") {
        picture.goalWidth = token.parameter;
    } else if (token.word == "pichgoal") {
        picture.goalHeight = token.parameter;
    } else if (token.word == "picscalex") {
        picture.scaleX = token.parameter;
    } else if (token.word == "picscaley") {
        picture.scaleY = token.parameter;
    }
}

void Reader::paragraphWord(const Token &token)
{
    State &current = state();
    ParagraphFormat &format = current.paragraph;
    std::string_view word = token.word;
    if (word == "par") {
        endParagraph();
    } else if (word == "page") {
        endParagraph();
        pageBreakPending = true;
    } else if (word == "sect") {
        if (!paragraph().inlines.empty()) {
            endParagraph();
        }
    } else if (word == "line") {
        appendCodePoint(0x2028);
    } else if (word == "tab") {
        appendUtf8("\t");
    } else if (word == "cell") {
        endCell(1);
    } else if (word == "nestcell") {
        endCell(std::max(2, current.nesting));
    } else if (word == "row") {
        endRow(1);
    } else if (word == "nestrow") {
        endRow(std::max(2, current.nesting));
    } else if (word == "pard") {
        format = ParagraphFormat();
        current.inTable = false;
        current.nesting = 0;
    } else if (word == "intbl") {
        current.inTable = true;
    } else if (word == "itap") {
        current.nesting = std::max(token.parameter, 0);
    } else if (word == "ql") {
        format.alignment = Alignment::Left;
    } else if (word == "qc") {
        format.alignment = Alignment::Center;
    } else if (word == "qr") {
        format.alignment = Alignment::Right;
    } else if (word == "qj") {
        format.alignment = Alignment::Justify;
    } else if (word == "li") {
        format.leftIndent = token.parameter;
    } else if (word == "ri") {
        format.rightIndent = token.parameter;
    } else if (word == "fi") {
        format.firstLineIndent = token.parameter;
    } else if (word == "sb") {
        format.spaceBefore = token.parameter;
    } else if (word == "sa") {
        format.spaceAfter = token.parameter;
    } else if (word == "pagebb") {
        format.pageBreakBefore = switchedOn(token);
    }
}

void Reader::characterWord(const Token &token)
{
    State &current = state();
    CharFormat &format = current.format;
    std::string_view word = token.word;
    auto colorAt = [&](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < colors.size() ? colors[index] : std::nullopt;
    };
    if (word == "plain") {
        const Link link = format.link;
        format = CharFormat();
        format.link = link;
        current.font = -1;
        current.hidden = false;
    } else if (word == "f") {
        current.font = token.parameter;
        auto font = fonts.find(token.parameter);
        format.fontFamily = font != fonts.end() ? font->second.name : std::string();
    } else if (word == "fs" && token.hasParameter) {
        format.halfPoints = token.parameter;
    } else if (word == "b") {
        format.bold = switchedOn(token);
    } else if (word == "i") {
        format.italic = switchedOn(token);
    } else if (kUnderlines.count(word)) {
        format.underline = switchedOn(token);
    } else if (word == "ulnone") {
        format.underline = false;
    } else if (word == "strike" || word == "striked") {
        format.strike = switchedOn(token);
    } else if (word == "cf") {
        format.color = colorAt(token.parameter);
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        format.highlight = token.parameter == 0 ? std::nullopt : colorAt(token.parameter);
    } else if (word == "super") {
        format.position = VerticalPosition::Superscript;
    } else if (word == "sub") {
        format.position = VerticalPosition::Subscript;
    } else if (word == "nosupersub") {
        format.position = VerticalPosition::Normal;
    } else if (word == "up") {
        format.position = token.parameter > 0 ? VerticalPosition::Superscript : VerticalPosition::Normal;
    } else if (word == "dn") {
        format.position = token.parameter > 0 ? VerticalPosition::Subscript : VerticalPosition::Normal;
    } else if (word == "v") {
        current.hidden = switchedOn(token);
    }
}

void Reader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        text(std::string_view(&symbol, 1));
        break;
    case '~':
        appendCodePoint(0x00A0);
        break;
    case '_':
        appendCodePoint(0x2011);
        break;
    case '\n':
        endParagraph();
        break;
    default:
        break; // \- optional hyphen, \: index entry, unknown symbols
    }
}

void Reader::text(std::string_view bytes)
{
    if (skipCount > 0) {
        auto skipped = std::min<std::size_t>(static_cast<std::size_t>(skipCount), bytes.size());
        skipCount -= static_cast<int>(skipped);
        bytes.remove_prefix(skipped);
    }
    switch (state().destination) {
    case Destination::Body:
    case Destination::FieldInstruction:
        pendingBytes.append(bytes);
        break;
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';') {
                commitFontName();
            } else {
                fontName += c;
            }
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes) {
            if (c == ';') {
                colors.push_back(colorHasValue ? std::optional<Color>(colorBeingDefined) : std::nullopt);
                colorBeingDefined = Color();
                colorHasValue = false;
            }
        }
        break;
    case Destination::Picture:
        for (char c : bytes) {
            int digit = hexDigit(c);
            if (digit < 0) {
                continue;
            }
            if (picture.pendingNibble < 0) {
                picture.pendingNibble = digit;
            } else {
                picture.data += static_cast<char>(picture.pendingNibble * 16 + digit);
                picture.pendingNibble = -1;
            }
        }
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::hexByte(unsigned char byte)
{
    if (skipCount > 0) {
        --skipCount;
        return;
    }
    if (state().destination == Destination::FontTable) {
        fontName += static_cast<char>(byte);
    } else {
        text(std::string_view(reinterpret_cast<const char *>(&byte), 1));
    }
}

void Reader::unicode(int value)
{
    std::uint32_t codePoint = static_cast<std::uint32_t>(value < 0 ? value + 65536 : value);
    if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
        if (highSurrogate) {
            appendCodePoint(0xFFFD);
        }
        highSurrogate = codePoint;
    } else if (codePoint >= 0xDC00 && codePoint <= 0xDFFF && highSurrogate) {
        std::uint32_t combined = 0x10000 + ((highSurrogate - 0xD800) << 10) + (codePoint - 0xDC00);
        highSurrogate = 0;
        appendCodePoint(combined);
    } else {
        appendCodePoint(codePoint);
    }
    skipCount = state().unicodeSkip;
}

int Reader::codePage()
{
    auto font = fonts.find(state().font >= 0 ? state().font : defaultFont);
    return font != fonts.end() && font->second.codePage > 0 ? font->second.codePage : documentCodePage;
}

void Reader::flushText()
{
    if (pendingBytes.empty()) {
        return;
    }
    std::string utf8;
    decoder.appendUtf8(codePage(), pendingBytes, utf8);
    pendingBytes.clear();
    appendUtf8(utf8);
}

void Reader::appendCodePoint(std::uint32_t codePoint)
{
    std::string utf8;
    rtf::appendCodePoint(codePoint, utf8);
    appendUtf8(utf8);
}

void Reader::appendUtf8(const std::string &utf8)
{
    if (highSurrogate) {
        highSurrogate = 0; // a high surrogate with no low one after it
        appendCodePoint(0xFFFD);
    }
    State &current = state();
    if (current.destination == Destination::FieldInstruction) {
        if (current.field >= 0 && !fields[current.field].link) {
            fields[current.field].instruction += utf8;
        }
        return;
    }
    if (current.destination != Destination::Body || current.hidden || utf8.empty()) {
        return;
    }
    std::vector<Inline> &inlines = paragraph().inlines;
    if (!inlines.empty() && !inlines.back().picture && inlines.back().format == current.format) {
        inlines.back().text += utf8;
    } else {
        inlines.push_back({utf8, current.format, std::nullopt});
    }
}

void Reader::endParagraph()
{
    Paragraph finished = std::move(paragraph());
    paragraph() = Paragraph();
    finished.format = state().paragraph;
    if (state().footnote) {
        footnotes.back().emplace_back(std::move(finished));
        return;
    }
    finished.format.pageBreakBefore = finished.format.pageBreakBefore || pageBreakPending;
    pageBreakPending = false;
    assembler.addParagraph(paragraphLevel(), std::move(finished));
}

void Reader::endCell(int level)
{
    if (state().footnote) {
        appendUtf8("\t");
        return;
    }
    Paragraph finished = std::move(bodyParagraph);
    bodyParagraph = Paragraph();
    finished.format = state().paragraph;
    assembler.endCell(level, std::move(finished));
}

void Reader::endRow(int level)
{
    if (state().footnote) {
        endParagraph();
        return;
    }
    if (!bodyParagraph.inlines.empty()) {
        endCell(level);
    }
    assembler.endRow(level);
}

void Reader::commitFontName()
{
    FontEntry &font = fonts[fontBeingDefined];
    std::string name;
    decoder.appendUtf8(font.codePage > 0 ? font.codePage : documentCodePage, fontName, name);
    font.name = trimmed(name);
    fontName.clear();
}

void Reader::finishPicture()
{
    if (!picture.kind || picture.data.empty() || state().hidden || state().destination != Destination::Body) {
        return;
    }
    Picture finished;
    finished.kind = *picture.kind;
    finished.data = std::move(picture.data);
    auto scaled = [](int goal, int scale) {
        return static_cast<int>(std::clamp<long long>(static_cast<long long>(goal) * scale / 100, 0, 1000000));
    };
    finished.widthTwips = scaled(picture.goalWidth, picture.scaleX);
    finished.heightTwips = scaled(picture.goalHeight, picture.scaleY);
    paragraph().inlines.push_back({std::string(), state().format, std::move(finished)});
}

void Reader::finishFootnote()
{
    if (!footnoteParagraph.inlines.empty()) {
        footnoteParagraph.format = ParagraphFormat();
        footnotes.back().emplace_back(std::move(footnoteParagraph));
    }
    footnoteParagraph = Paragraph();
}

} // namespace

Document read(std::string_view input)
{
    return Reader(input).run();
}

} // namespace rtf
