#include "rtf_document_builder.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <list>

namespace {

// Twips are 1/1440 inch; the document is laid out at 96 pixels to the inch.
constexpr double kTwipsPerPixel = 15.0;
constexpr double kWidestMargin = 2000.0; // pixels; beyond this a margin would hide the text

double pixels(int twips)
{
    return std::clamp(twips / kTwipsPerPixel, -kWidestMargin, kWidestMargin);
}

QColor qtColor(const rtf::Color &color)
{
    return QColor(color.red, color.green, color.blue);
}

QTextCharFormat charFormat(const rtf::CharFormat &source)
{
    QTextCharFormat format;
    if (!source.fontFamily.empty()) {
        format.setFontFamilies({QString::fromStdString(source.fontFamily)});
    }
    format.setFontPointSize(std::clamp(source.halfPoints / 2.0, 1.0, 400.0));
    format.setFontWeight(source.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(source.italic);
    format.setFontUnderline(source.underline);
    format.setFontStrikeOut(source.strike);
    if (source.position == rtf::VerticalPosition::Superscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (source.position == rtf::VerticalPosition::Subscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    if (source.color) {
        format.setForeground(qtColor(*source.color));
    }
    if (source.highlight) {
        format.setBackground(qtColor(*source.highlight));
    }
    if (!source.link.empty()) {
        format.setAnchor(true);
        format.setAnchorHref(QString::fromStdString(source.link.target()));
        format.setFontUnderline(true);
        if (!source.color) {
            format.setForeground(QColor(Qt::blue));
        }
    }
    return format;
}

QTextBlockFormat blockFormat(const rtf::ParagraphFormat &source)
{
    QTextBlockFormat format;
    switch (source.alignment) {
    case rtf::Alignment::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case rtf::Alignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case rtf::Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case rtf::Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(std::max(0.0, pixels(source.leftIndent)));
    format.setRightMargin(std::max(0.0, pixels(source.rightIndent)));
    format.setTextIndent(pixels(source.firstLineIndent));
    format.setTopMargin(std::max(0.0, pixels(source.spaceBefore)));
    format.setBottomMargin(std::max(0.0, pixels(source.spaceAfter)));
    // A hanging indent's tab leads to the indent (tab stops count from where the first line starts).
    if (source.firstLineIndent < 0 && source.leftIndent > 0) {
        format.setTabPositions({QTextOption::Tab(pixels(-source.firstLineIndent), QTextOption::LeftTab)});
    }
    if (source.pageBreakBefore) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    }
    return format;
}

class Builder
{
public:
    explicit Builder(QTextDocument &target)
        : target(target)
    { }

    // "fresh" says the cursor stands in an empty block the next paragraph can use.
    void addBlocks(const std::vector<rtf::Block> &blocks, QTextCursor &cursor, bool &fresh)
    {
        for (const rtf::Block &block : blocks) {
            if (const rtf::Paragraph *paragraph = block.paragraph()) {
                addParagraph(*paragraph, cursor, fresh);
            } else {
                addTable(*block.table(), cursor, fresh);
            }
        }
    }

private:
    void addParagraph(const rtf::Paragraph &paragraph, QTextCursor &cursor, bool &fresh)
    {
        // The block takes the format of its first run, so that an empty line keeps the height of its text.
        auto firstText = std::find_if(paragraph.inlines.begin(), paragraph.inlines.end(),
                                      [](const rtf::Inline &piece) { return !piece.picture; });
        QTextCharFormat blockText
            = firstText != paragraph.inlines.end() ? qtFormat(firstText->format) : QTextCharFormat();
        if (fresh) {
            cursor.setBlockFormat(blockFormat(paragraph.format));
            cursor.setBlockCharFormat(blockText);
        } else {
            cursor.insertBlock(blockFormat(paragraph.format), blockText);
        }
        fresh = false;
        for (const rtf::Inline &piece : paragraph.inlines) {
            if (piece.picture) {
                addPicture(*piece.picture, cursor);
            } else {
                cursor.insertText(QString::fromStdString(piece.text), qtFormat(piece.format));
            }
        }
    }

    // Runs mostly repeat a handful of formats; converting each only once saves a good part of the time.
    const QTextCharFormat &qtFormat(const rtf::CharFormat &source)
    {
        for (const auto &known : formats) {
            if (known.first == source) {
                return known.second;
            }
        }
        if (formats.size() >= kRememberedFormats) {
            formats.pop_back();
        }
        formats.emplace_front(source, charFormat(source));
        return formats.front().second;
    }

    void addPicture(const rtf::Picture &picture, QTextCursor &cursor)
    {
        QImage image = QImage::fromData(reinterpret_cast<const uchar *>(picture.data.data()),
                                        static_cast<int>(picture.data.size()),
                                        picture.kind == rtf::Picture::Kind::Png ? "PNG" : "JPEG");
        if (image.isNull()) {
            return;
        }
        QUrl name(QStringLiteral("rtfpicture:%1").arg(++pictures));
        target.addResource(QTextDocument::ImageResource, name, image);
        QTextImageFormat format;
        format.setName(name.toString());
        if (picture.widthTwips > 0 && picture.heightTwips > 0) {
            format.setWidth(picture.widthTwips / kTwipsPerPixel);
            format.setHeight(picture.heightTwips / kTwipsPerPixel);
        }
        cursor.insertImage(format);
    }

    void addTable(const rtf::Table &table, QTextCursor &cursor, bool &fresh)
    {
        int columns = static_cast<int>(table.columnCount());
        if (table.rows.empty() || columns == 0) {
            return;
        }
        if (!fresh) {
            cursor.insertBlock();
        }
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderCollapse(true);
        format.setCellPadding(3);
        format.setCellSpacing(0);
        QTextTable *inserted = cursor.insertTable(static_cast<int>(table.rows.size()), columns, format);
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            const auto &cells = table.rows[row].cells;
            for (std::size_t column = 0; column < cells.size(); ++column) {
                QTextCursor cellCursor
                    = inserted->cellAt(static_cast<int>(row), static_cast<int>(column)).firstCursorPosition();
                bool cellFresh = true;
                addBlocks(cells[column].blocks, cellCursor, cellFresh);
            }
        }
        cursor = inserted->lastCursorPosition();
        cursor.movePosition(QTextCursor::NextBlock);
        fresh = true;
    }

    static constexpr std::size_t kRememberedFormats = 16;

    QTextDocument &target;
    int pictures = 0;
    std::list<std::pair<rtf::CharFormat, QTextCharFormat>> formats;
};

} // namespace

void buildTextDocument(const rtf::Document &source, QTextDocument &target)
{
    target.clear();
    // One edit block, without undo steps, so the layout hears of the change once and not per run.
    bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false);
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool fresh = true;
    Builder(target).addBlocks(source.blocks, cursor, fresh);
    cursor.endEditBlock();
    target.setUndoRedoEnabled(undo);
}
