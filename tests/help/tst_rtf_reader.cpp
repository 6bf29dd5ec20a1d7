#include "rtf/rtf_plain_text.h"
#include "rtf/rtf_reader.h"
#include "rtf_document_builder.h"
#include "tests/support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

namespace {

QString textOf(const QByteArray &rtf)
{
    return QString::fromStdString(rtf::plainText(rtf::read(rtf.toStdString())));
}

void build(const QByteArray &rtf, QTextDocument &document)
{
    buildTextDocument(rtf::read(rtf.toStdString()), document);
}

QTextCharFormat formatAt(QTextDocument &document, const QString &word)
{
    QTextCursor cursor(&document);
    cursor.setPosition(document.toPlainText().indexOf(word) + 1);
    return cursor.charFormat();
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extractsText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        const char *const rows[][3] = {
            {"paragraph, line and tab", "{\\rtf1 one\\par a\\line b\\tab c\\par}", "one\na\nb\tc\n"},
            {"source line breaks are no text", "{\\rtf1 a\r\nb\\par}", "ab\n"},
            {"backslash before a line break", "{\\rtf1 a\\\nb}", "a\nb\n"},
            {"escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\\\par}", "{x}\\\n"},
            {"control symbols", "{\\rtf1 a\\~b\\-c\\_d\\par}", "a\u00A0bc\u2011d\n"},
            {"named characters", "{\\rtf1 \\lquote x\\rquote \\emdash\\bullet\\par}", "‘x’—•\n"},
            {"font code page", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 Arial Cyr;}}\\f0 \\'cf\\'f0\\'e8\\par}",
             "При\n"},
            {"double-byte code page", "{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\par}", "中\n"},
            {"unicode with fallback", "{\\rtf1 \\u8220?hi\\u8221?\\par}", "“hi”\n"},
            {"no fallback", "{\\rtf1\\uc0\\u8804 x\\par}", "≤x\n"},
            {"negative surrogate pair", "{\\rtf1 \\u-10179?\\u-8944?\\par}", "🔐\n"},
            {"lone high surrogate", "{\\rtf1 \\u-10179?x\\par}", "\uFFFDx\n"},
            {"hidden text", "{\\rtf1 shown{\\v hidden} too\\par}", "shown too\n"},
            {"ignorable destination", "{\\rtf1{\\*\\unknown junk}text\\par}", "text\n"},
            {"star inside a group is no marker", "{\\rtf1 {x\\*\\cs7 y}\\par}", "xy\n"},
            {"header tables",
             "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
             "{\\info{\\title T}}body\\par}",
             "body\n"},
            {"list marker", "{\\rtf1{\\pntext 1.\\tab}First\\par}", "1.\tFirst\n"},
            {"table", "{\\rtf1\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row\\pard after\\par}",
             "a\tb\nafter\n"},
            {"nested table",
             "{\\rtf1\\trowd\\cellx900\\pard\\intbl\\itap2 x\\nestcell y\\nestcell{\\*\\nesttableprops\\trowd"
             "\\cellx100\\cellx200\\nestrow}{\\nonesttables x y\\par}\\pard\\intbl z\\cell\\row}",
             "x\ty z\n"},
            {"footnote at the end",
             "{\\rtf1 Text{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Note.}\\par more\\par}",
             "Text1\nmore\n1 Note.\n"},
            {"binary data", "{\\rtf1 a{\\*\\blob\\bin3 }{}}b\\par}", "ab\n"},
            {"unsupported picture", "{\\rtf1 a{\\pict\\wmetafile8 0102}b\\par}", "ab\n"},
            {"text after the last brace", "{\\rtf1 in}\\par out", "in\nout\n"},
            {"truncated group", "{\\rtf1 {\\b bold", "bold\n"},
            {"absurd numbers", "{\\rtf1\\fs99999999999999 big\\uc99999999\\u65 x\\par}", "bigA\n"},
            {"absurd binary length", "{\\rtf1 a\\bin99999999999 xyz}", "a\n"},
            {"no rtf at all", "just words", "just words\n"},
        };
        for (const auto &row : rows) {
            QTest::newRow(row[0]) << QByteArray(row[1]) << QString::fromUtf8(row[2]);
        }
        QTest::newRow("absurd nesting") << "{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}')
                                        << QStringLiteral("deep\n");
    }

    void extractsText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(textOf(rtf), expected);
    }

    void buildsFormatsAndLinks()
    {
        QTextDocument document;
        build("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;"
              "\\red0\\green0\\blue255;\\red255\\green255\\blue0;}\\pard\\qc\\f0\\fs20 {\\b bold} {\\i italic} "
              "{\\ul under}{\\ulnone no} {\\strike struck} {\\cf1 red} {\\highlight3 marked} {\\f1\\fs40 big} "
              "{\\super up}\\par\\pard\\li1440\\fi-720\\sa300 indented\\par\\pard\\qr right\\par"
              "{\\field{\\*\\fldinst{HYPERLINK \"https://example.org\" \\\\o \"tip\"}}{\\fldrslt{link}}}\\par}",
              document);
        QCOMPARE(formatAt(document, "bold").fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(document, "italic").fontItalic());
        QVERIFY(formatAt(document, "under").fontUnderline());
        QVERIFY(!formatAt(document, "no").fontUnderline());
        QVERIFY(formatAt(document, "struck").fontStrikeOut());
        QCOMPARE(formatAt(document, "red").foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatAt(document, "marked").background().color(), QColor(255, 255, 0));
        QCOMPARE(formatAt(document, "big").fontPointSize(), 20.0);
        QCOMPARE(formatAt(document, "big").fontFamilies().toStringList(), QStringList {"Courier New"});
        QCOMPARE(formatAt(document, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(document.blockCount(), 4);
        QTextBlock indented = document.begin().next();
        QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(indented.blockFormat().leftMargin(), 96.0);
        QCOMPARE(indented.blockFormat().textIndent(), -48.0);
        QCOMPARE(indented.blockFormat().bottomMargin(), 20.0);
        QCOMPARE(indented.next().blockFormat().alignment(), Qt::AlignRight);
        QCOMPARE(formatAt(document, "link").anchorHref(), QStringLiteral("https://example.org"));
        QVERIFY(formatAt(document, "link").isAnchor());
    }

    // Many results after one long instruction: each result is a link, read from the instruction once.
    void fieldWithManyResults()
    {
        const int results = 20000;
        QByteArray rtf = "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"https://example.org\" \\\\o \""
            + QByteArray(200 * 1024, 't') + "\"}";
        for (int i = 0; i < results; ++i) {
            rtf += "{\\fldrslt x}";
        }
        rtf::Document document = rtf::read((rtf + "}\\par}").toStdString());
        QCOMPARE(QString::fromStdString(rtf::plainText(document)), QString(results, u'x') + u'\n');
        QCOMPARE(document.blocks.size(), std::size_t(1));
        const auto &inlines = document.blocks.front().paragraph()->inlines;
        QVERIFY(!inlines.empty());
        QVERIFY(std::all_of(inlines.begin(), inlines.end(),
                            [](const rtf::Inline &run) { return run.format.link == "https://example.org"; }));
    }

    void buildsTablesWithNestedTables()
    {
        QTextDocument document;
        build("{\\rtf1 before\\par\\trowd\\cellx100\\cellx200\\pard\\intbl a\\cell\\pard\\intbl\\itap2 x\\nestcell "
              "y\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}\\pard\\intbl b\\cell\\row"
              "\\trowd\\intbl c\\cell d\\cell e\\cell\\row\\pard after\\par}",
              document);
        QCOMPARE(document.rootFrame()->childFrames().size(), 1);
        auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames()[0]);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 3);
        QCOMPARE(table->childFrames().size(), 1);
        auto *nested = qobject_cast<QTextTable *>(table->childFrames()[0]);
        QVERIFY(nested);
        QCOMPARE(nested->columns(), 2);
        QVERIFY(nested->firstPosition() >= table->cellAt(0, 1).firstPosition());
        QVERIFY(nested->lastPosition() <= table->cellAt(0, 1).lastPosition());
        QCOMPARE(document.begin().text(), QStringLiteral("before"));
        QCOMPARE(document.lastBlock().text(), QStringLiteral("after"));
    }

    // A PNG written in hexadecimal, sized by its goal in twips.
    void buildsPictures()
    {
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(image.save(&buffer, "PNG"));
        const QByteArray blip = "\\pngblip " + bytes.toHex();
        QTextDocument document;
        build("{\\rtf1 see {\\pict\\picwgoal1500\\pichgoal750" + blip + "} here\\par}", document);
        QTextCursor cursor(&document);
        cursor.setPosition(5);
        QTextImageFormat picture = cursor.charFormat().toImageFormat();
        QVERIFY(picture.isValid());
        QCOMPARE(picture.width(), 100.0);
        QCOMPARE(picture.height(), 50.0);
        QImage stored = document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
        QCOMPARE(stored.size(), QSize(8, 4));
        QCOMPARE(textOf("{\\rtf1 see {\\pict" + blip + "} here\\par}"), QStringLiteral("see  here\n"));
    }

    // Real documents written by other programs, kept outside this project.
    void readsEveryDocument_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QDir corpus(QStringLiteral(RTF_CORPUS_DIR));
        if (!corpus.exists()) {
            QSKIP("The shared RTF corpus (" RTF_CORPUS_DIR ") is not present.");
        }
        // A sample of what a document must show where no hand-written case above covers its kind; the rest
        // only needs to be read without harm.
        const QMap<QString, QString> samples {
            {"pandoc-accent.rtf", "le café où on ne fume pas"},
            {"pandoc-link.rtf", "pandoc"},
            {"pandoc-table_simple.rtf", "A \tB \tC \tD "},
            {"pandoc-unicode.rtf", "“hi”‘hi’"},
            {"striprtf-py-french.rtf", "a 10‘000 b c!"},
            {"striprtf-py-sample_3.rtf", "@joshy"},
            {"tika-testRTFTableCellSeparation.rtf", "ä\të"},
            {"tika-testRTFWindowsCodepage1250.rtf", "zażółć gęślą jaźń"},
            {"tika-testRTFWordPadCzechCharacters.rtf", "Článek týdne"},
            {"tika-testRTF_nestedHyperlinkPageRef.rtf", "Before 42 after."},
        };
        for (const QString &name : corpus.entryList({"*.rtf"}, QDir::Files, QDir::Name)) {
            QTest::newRow(qPrintable(name)) << corpus.filePath(name) << samples.value(name);
        }
    }

    void readsEveryDocument()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        rtf::Document document = rtf::read(readFile(file).toStdString());
        QString text = QString::fromStdString(rtf::plainText(document));
        QVERIFY2(text.contains(expected), qPrintable(text.left(400)));
        QTextDocument shown;
        buildTextDocument(document, shown);
        // Pictures show as one object character each; the text around them must be the same.
        QString shownText = shown.toPlainText().remove(QChar::ObjectReplacementCharacter).simplified();
        QCOMPARE(shownText.isEmpty(), text.simplified().isEmpty());
        if (file.endsWith("/pandoc-image.rtf")) {
            QTextCursor cursor(&shown);
            cursor.setPosition(1);
            QTextImageFormat picture = cursor.charFormat().toImageFormat();
            QVERIFY(picture.isValid());
            QVERIFY(!shown.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>().isNull());
        }
    }
};

QTEST_MAIN(RtfReaderTest)
#include "tst_rtf_reader.moc"
