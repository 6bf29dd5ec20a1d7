#include "core/records/round.h"
#include "core/rules/statistics.h"
#include "printing/card_page.h"
#include "printing/printed_page.h"
#include "printing/stats_page.h"
#include "tests/core/played_round.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// Printed pages read back as a person would read the paper: written as PDF
// and turned into text again.
class PrintingTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QString pdfText(const QString &path)
    {
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!reader.waitForFinished(30000)) {
            return {};
        }
        return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }

    // Fours out, fives in, two putts a hole, on a par-72 course.
    static Round sampleRound()
    {
        const QList<int> strokes = QList<int>(9, 4) + QList<int>(9, 5);
        return asRound(playedRound(QStringLiteral("Ann <Lee> & Co"), QStringLiteral("Pine Hills"), strokes,
                                   everyHole(4), everyHole(2)));
    }

private Q_SLOTS:
    // Without a tee the line is left out; a folder that cannot be written is told.
    void cardReadsBack()
    {
        const QString path = m_dir.filePath(QStringLiteral("card.pdf"));
        QCOMPARE(writePdf(cardPage(sampleRound(), QStringLiteral("white")), path, QPageSize::A4), QString());
        const QString text = pdfText(path);
        for (const char *expected : {"Golfer: Ann <Lee> & Co", "Course: Pine Hills", "Date: 6/12/26", "Tee: white",
                                     "Hole 1 2 3 4 5 6 7 8 9 OUT 10 11 12 13 14 15 16 17 18 IN TOT",
                                     "Par 4 4 4 4 4 4 4 4 4 36 4 4 4 4 4 4 4 4 4 36 72",
                                     "Strokes 4 4 4 4 4 4 4 4 4 36 5 5 5 5 5 5 5 5 5 45 81",
                                     "Putts 2 2 2 2 2 2 2 2 2 18 2 2 2 2 2 2 2 2 2 18 36"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(QString::fromLatin1(expected) + " in " + text));
        }
        QCOMPARE(writePdf(cardPage(sampleRound()), path, QPageSize::Letter), QString());
        QVERIFY(!pdfText(path).contains(QLatin1String("Tee:")));
        QVERIFY(
            !writePdf(cardPage(sampleRound()), m_dir.filePath(QStringLiteral("none/x.pdf")), QPageSize::A4).isEmpty());
    }

    void statsPageHasEveryFigure()
    {
        Stats stats;
        stats.stroke_recap = {0, 1, 3, 9, 4, 1, 0};
        stats.putt_recap = {0, 0, 2, 14, 2, 0, 0};
        stats.holes_in_one = 1;
        stats.stroke_count[3] = 4;
        stats.stroke_total[3] = 14;
        const QString path = m_dir.filePath(QStringLiteral("stats.pdf"));
        QCOMPARE(writePdf(statsPage(QStringLiteral("Ann"), QStringLiteral("Pine"), stats), path, QPageSize::Letter),
                 QString());
        const QString text = pdfText(path);
        // Putts as the window shows them.
        for (const char *expected :
             {"Golfer: Ann", "Course: Pine", "Birdies 3 2", "Holes In One 1", "Par 3's 3.50 0"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(QString::fromLatin1(expected) + " in " + text));
        }
    }

    // The score card prints the card as entered, both nines, through the preview seam.
    void scoreCardPrintsAndSavesWhatWasEntered()
    {
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        program.addGolfer(QStringLiteral("Ann"));
        program.startUp();
        FormWindow *card = program.windows.show(QStringLiteral("frmScoreround"));
        for (const char *name : {"cboCourse", "cboPlayer"}) {
            driving::choose(card, QString::fromLatin1(name), 0);
        }
        const auto boxes = card->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^txth1")));
        QVERIFY(!boxes.isEmpty());
        boxes.first()->setText(QStringLiteral("7"));

        QTest::mouseClick(card->findChild<QAbstractButton *>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(program.printPreview.shownText.size(), 1);
        const QString printed = program.printPreview.shownText.first();
        for (const char *expected : {"Golfer: Ann", "Course: Pine", "Date: 6/12/26", "Tee: White"}) {
            QVERIFY2(printed.contains(QLatin1String(expected)), qPrintable(printed));
        }

        const QString path = m_dir.filePath(QStringLiteral("entered.pdf"));
        program.files.answers = {path};
        QTest::mouseClick(card->findChild<QAbstractButton *>("cmdPdf"), Qt::LeftButton);
        QVERIFY2(pdfText(path).contains(QLatin1String("Strokes 7")), qPrintable(pdfText(path)));
        QVERIFY(program.messages.shown.isEmpty());
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
