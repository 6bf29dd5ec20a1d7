#include "rtf/rtf_plain_text.h"
#include "rtf/rtf_reader.h"
#include "rtf_document_builder.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// Real documents written by other programs, kept outside this project.
class RtfCorpusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryDocument_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QDir corpus(QStringLiteral(RTF_CORPUS_DIR));
        if (!corpus.exists()) {
            QSKIP("The shared RTF corpus (" RTF_CORPUS_DIR ") is not present.");
        }
        // A sample of what each document must show; the rest only needs to be read without harm.
        const QMap<QString, QString> samples {
            {"kota7-brace_mismatch_2.rtf", "Test line."},
            {"kota7-table-specialchars.rtf", "a\tb\tc"},
            {"pandoc-accent.rtf", "le café où on ne fume pas"},
            {"pandoc-footnote.rtf", "1See Sahlins"},
            {"pandoc-formatting.rtf", "This is hidden: ."},
            {"pandoc-link.rtf", "pandoc"},
            {"pandoc-list_legacy.rtf", "1.\tA"},
            {"pandoc-table_nested.rtf", "Deep A\tDeep B"},
            {"pandoc-table_simple.rtf", "A \tB \tC \tD "},
            {"pandoc-unicode.rtf", "“hi”‘hi’"},
            {"striprtf-py-bytes.rtf", "УХВАЛА"},
            {"striprtf-py-french.rtf", "a 10‘000 b c!"},
            {"striprtf-py-issue_28.rtf", "印刷情况反映"},
            {"striprtf-py-sample_3.rtf", "@joshy"},
            {"tika-testRTFControls.rtf", "Thiswordhasanem—dash"},
            {"tika-testRTFTableCellSeparation.rtf", "ä\të"},
            {"tika-testRTFUnicodeGothic.rtf", "𐌲𐌿𐍄𐌹𐍃𐌺"},
            {"tika-testRTFWindowsCodepage1250.rtf", "zażółć gęślą jaźń"},
            {"tika-testRTFWithCurlyBraces.rtf", "{ some text inside curly brackets }"},
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
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        rtf::Document document = rtf::read(source.readAll().toStdString());
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

QTEST_MAIN(RtfCorpusTest)
#include "tst_rtf_corpus.moc"
