#include "rtf/rtf_plain_text.h"
#include "rtf/rtf_reader.h"
#include "rtf_document_builder.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

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

        QTest::newRow("paragraphs") << QByteArray("{\\rtf1 one\\par two\\par}") << "one\ntwo\n";
        QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c\\par}") << "a\nb\tc\n";
        QTest::newRow("source line breaks are no text") << QByteArray("{\\rtf1 a\r\nb\\par}") << "ab\n";
        QTest::newRow("backslash before a line break") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb\n";
        QTest::newRow("escaped braces and backslash") << QByteArray("{\\rtf1 \\{x\\}\\\\\\par}") << "{x}\\\n";
        QTest::newRow("control symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\par}")
                                         << QString("a") + QChar(0xA0) + "bc" + QChar(0x2011) + "d\n";
        QTest::newRow("named characters")
            << QByteArray("{\\rtf1 \\lquote x\\rquote \\emdash\\bullet\\par}") << QString::fromUtf8("‘x’—•\n");
        QTest::newRow("document code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\par}") << "café\n";
        QTest::newRow("font code page") << QByteArray(
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 Arial Cyr;}}\\f0 \\'cf\\'f0\\'e8\\par}")
                                        << QString::fromUtf8("При\n");
        QTest::newRow("double-byte code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\par}") << QString::fromUtf8("中\n");
        QTest::newRow("unicode with fallback")
            << QByteArray("{\\rtf1 \\u8220?hi\\u8221?\\par}") << QString::fromUtf8("“hi”\n");
        QTest::newRow("two fallback bytes")
            << QByteArray("{\\rtf1 {\\uc2\\u945\\'e1\\'e2}b\\par}") << QString::fromUtf8("αb\n");
        QTest::newRow("no fallback") << QByteArray("{\\rtf1\\uc0\\u8804 x\\par}") << QString::fromUtf8("≤x\n");
        QTest::newRow("negative surrogate pair")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8944?\\par}") << QString::fromUtf8("🔐\n");
        QTest::newRow("lone high surrogate")
            << QByteArray("{\\rtf1 \\u-10179?x\\par}") << QString(QChar(0xFFFD)) + "x\n";
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 shown{\\v hidden} too\\par}") << "shown too\n";
        QTest::newRow("ignorable destination") << QByteArray("{\\rtf1{\\*\\unknown junk}text\\par}") << "text\n";
        QTest::newRow("star inside a group is no marker") << QByteArray("{\\rtf1 {x\\*\\cs7 y}\\par}") << "xy\n";
        QTest::newRow("header tables") << QByteArray(
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
            "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}body\\par}")
                                       << "body\n";
        QTest::newRow("field shows its result")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst{HYPERLINK \"http://x.org\"}}{\\fldrslt{site}}}\\par}")
            << "site\n";
        QTest::newRow("list marker") << QByteArray("{\\rtf1{\\pntext 1.\\tab}First\\par}") << "1.\tFirst\n";
        QTest::newRow("table") << QByteArray("{\\rtf1\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row"
                                             "\\pard after\\par}")
                               << "a\tb\nafter\n";
        QTest::newRow("nested table") << QByteArray(
            "{\\rtf1\\trowd\\cellx900\\pard\\intbl\\itap2 x\\nestcell y\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx100\\cellx200\\nestrow}{\\nonesttables x y\\par}"
            "\\pard\\intbl z\\cell\\row}")
                                      << "x\ty z\n";
        QTest::newRow("footnote at the end")
            << QByteArray("{\\rtf1 Text{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Note.}\\par more\\par}")
            << "Text1\nmore\n1 Note.\n";
        QTest::newRow("binary data") << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }{}}b\\par}") << "ab\n";
        QTest::newRow("unsupported picture") << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 0102}b\\par}") << "ab\n";
        QTest::newRow("page and section") << QByteArray("{\\rtf1 a\\page b\\sect\\par}") << "a\nb\n\n";
        QTest::newRow("text after the last brace") << QByteArray("{\\rtf1 in}\\par out") << "in\nout\n";
        QTest::newRow("surplus braces") << QByteArray("{\\rtf1 a}}}b") << "ab\n";
        QTest::newRow("truncated group") << QByteArray("{\\rtf1 {\\b bold") << "bold\n";
        QTest::newRow("truncated escape") << QByteArray("{\\rtf1 x\\'") << "x\n";
        QTest::newRow("truncated control word") << QByteArray("{\\rtf1 x\\") << "x\n";
        QTest::newRow("absurd numbers") << QByteArray("{\\rtf1\\fs99999999999999 big\\uc99999999\\u65 x\\par}")
                                        << "bigA\n";
        QTest::newRow("absurd binary length") << QByteArray("{\\rtf1 a\\bin99999999999 xyz}") << "a\n";
        QTest::newRow("absurd nesting") << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "deep"
                + QByteArray(200000, '}') + "\\par}"
                                        << "deep\n";
        QTest::newRow("no rtf at all") << QByteArray("just words") << "just words\n";
    }

    void extractsText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(textOf(rtf), expected);
    }

    void buildsCharacterFormats()
    {
        QTextDocument document;
        build("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;"
              "\\red0\\green0\\blue255;\\red255\\green255\\blue0;}"
              "\\f0\\fs20 {\\b bold} {\\i italic} {\\ul under}{\\ulnone no} {\\strike struck} {\\cf1 red} "
              "{\\highlight3 marked} {\\f1\\fs40 big} {\\super up}\\par}",
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
        QCOMPARE(formatAt(document, "bold").fontPointSize(), 10.0);
        QCOMPARE(formatAt(document, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    }

    void buildsParagraphFormatsAndLinks()
    {
        QTextDocument document;
        build("{\\rtf1\\pard\\qc centred\\par\\pard\\li1440\\fi-720\\sa300 indented\\par\\pard\\qr right\\par"
              "{\\field{\\*\\fldinst HYPERLINK \"https://example.org\" \\\\o \"tip\"}{\\fldrslt link}}\\par}",
              document);
        QCOMPARE(document.blockCount(), 4);
        QTextBlock centred = document.begin();
        QCOMPARE(centred.blockFormat().alignment(), Qt::AlignHCenter);
        QTextBlock indented = centred.next();
        QCOMPARE(indented.blockFormat().leftMargin(), 96.0);
        QCOMPARE(indented.blockFormat().textIndent(), -48.0);
        QCOMPARE(indented.blockFormat().bottomMargin(), 20.0);
        QCOMPARE(indented.next().blockFormat().alignment(), Qt::AlignRight);
        QTextCharFormat link = formatAt(document, "link");
        QVERIFY(link.isAnchor());
        QCOMPARE(link.anchorHref(), QStringLiteral("https://example.org"));
    }

    void buildsTablesWithNestedTables()
    {
        QTextDocument document;
        build("{\\rtf1 before\\par\\trowd\\cellx100\\cellx200\\pard\\intbl a\\cell\\pard\\intbl\\itap2 x\\nestcell "
              "y\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}\\pard\\intbl b\\cell\\row"
              "\\trowd\\intbl c\\cell d\\cell e\\cell\\row\\pard after\\par}",
              document);
        QList<QTextFrame *> frames = document.rootFrame()->childFrames();
        QCOMPARE(frames.size(), 1);
        auto *table = qobject_cast<QTextTable *>(frames[0]);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 3);
        QTextTableCell nestedCell = table->cellAt(0, 1);
        QList<QTextFrame *> inner = table->childFrames();
        QCOMPARE(inner.size(), 1);
        auto *nested = qobject_cast<QTextTable *>(inner[0]);
        QVERIFY(nested);
        QCOMPARE(nested->columns(), 2);
        QVERIFY(nested->firstPosition() >= nestedCell.firstPosition());
        QVERIFY(nested->lastPosition() <= nestedCell.lastPosition());
        QCOMPARE(document.begin().text(), QStringLiteral("before"));
        QCOMPARE(document.lastBlock().text(), QStringLiteral("after"));
        QVERIFY(document.toPlainText().contains("b"));
    }

    void buildsPictures_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("blip");
        QTest::newRow("png as hex") << QByteArray("PNG") << QByteArray("\\pngblip");
        QTest::newRow("jpeg as hex") << QByteArray("JPEG") << QByteArray("\\jpegblip");
        QTest::newRow("png as binary") << QByteArray("PNG") << QByteArray("\\pngblip\\bin");
    }

    void buildsPictures()
    {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, blip);
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, format));
        QByteArray data = blip.endsWith("bin") ? QByteArray::number(bytes.size()) + " " + bytes : " " + bytes.toHex();
        QTextDocument document;
        build("{\\rtf1 see {\\pict\\picwgoal1500\\pichgoal750" + blip + data + "} here\\par}", document);
        QTextCursor cursor(&document);
        cursor.setPosition(5);
        QTextImageFormat picture = cursor.charFormat().toImageFormat();
        QVERIFY(picture.isValid());
        QCOMPARE(picture.width(), 100.0);
        QCOMPARE(picture.height(), 50.0);
        QImage stored = document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
        QCOMPARE(stored.size(), QSize(8, 4));
        QCOMPARE(textOf("{\\rtf1 see {\\pict" + blip + data + "} here\\par}"), QStringLiteral("see  here\n"));
    }

    void survivesNoise()
    {
        const QByteArray pieces[] = {"{",
                                     "}",
                                     "\\par ",
                                     "\\'e9",
                                     "\\u-5?",
                                     "\\*\\x ",
                                     "\\bin5 ",
                                     "\\trowd",
                                     "\\cell ",
                                     "\\nestcell ",
                                     "\\row ",
                                     "\\itap9 ",
                                     "\\intbl ",
                                     "text ",
                                     "\\field{\\*\\fldinst HYPERLINK x}",
                                     "\\fldrslt ",
                                     "\\pict\\pngblip 89",
                                     "\\",
                                     "\\footnote ",
                                     "\\fonttbl ",
                                     "\\colortbl;",
                                     "\\uc3 ",
                                     "\\f9 ",
                                     "\\v "};
        QRandomGenerator random(20240607);
        for (int round = 0; round < 300; ++round) {
            QByteArray rtf = "{\\rtf1 ";
            for (int i = 0; i < 200; ++i) {
                rtf += pieces[random.bounded(int(std::size(pieces)))];
            }
            QTextDocument document;
            build(rtf.left(random.bounded(rtf.size())), document);
            textOf(rtf);
        }
        QByteArray bytes(20000, '\0');
        for (char &byte : bytes) {
            byte = char(random.bounded(256));
        }
        QTextDocument document;
        build(bytes, document);
    }
};

QTEST_MAIN(RtfReaderTest)
#include "tst_rtf_reader.moc"
