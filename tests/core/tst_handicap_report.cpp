#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_report.h"
#include "core/handicap/tenths_text.h"
#include "tests/core/handicap_rounds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace handicap;
using namespace handicap_rounds;

// Index and rating texts, and the two reports of the command line.
class HandicapReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexText_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");

        QTest::newRow("handicap") << 123 << "12.3";
        QTest::newRow("plus") << -12 << "+1.2";
        QTest::newRow("zero") << 0 << "0.0";
        QTest::newRow("below one") << 5 << "0.5";
        QTest::newRow("plus below one") << -5 << "+0.5";
        QTest::newRow("highest") << 540 << "54.0";
    }

    void indexText()
    {
        QFETCH(int, tenths);
        QFETCH(QString, text);

        QCOMPARE(handicap::indexText(tenths), text);
    }

    void tenthsFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("tenths");

        QTest::newRow("rating") << "71.3" << std::optional(713);
        QTest::newRow("whole, blanks around") << " 72 " << std::optional(720);
        QTest::newRow("half of a tenth") << "71.35" << std::optional(714);
        QTest::newRow("under half of a tenth") << "71.349" << std::optional(713);
        QTest::newRow("negative half") << "-0.25" << std::optional(-3);
        QTest::newRow("no whole part") << ".5" << std::optional(5);
        QTest::newRow("letters") << "abc" << std::optional<int>();
        QTest::newRow("empty") << "" << std::optional<int>();
        QTest::newRow("exponent") << "7e1" << std::optional<int>();
        QTest::newRow("point alone") << "." << std::optional<int>();
    }

    void tenthsFromText()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, tenths);

        QCOMPARE(handicap::tenthsFromText(text), tenths);
    }

    void plainFirstLine_data()
    {
        QTest::addColumn<QList<int>>("overPar");
        QTest::addColumn<QString>("firstLine");

        QTest::newRow("none yet") << QList<int> {10, 12} << "Handicap Index: none";
        // 10 - 2.0
        QTest::newRow("handicap") << QList<int> {10, 12, 14} << "Handicap Index: 8.0";
        // 2 - 2.0
        QTest::newRow("zero") << QList<int> {2, 12, 14} << "Handicap Index: 0.0";
        // -1 - 2.0
        QTest::newRow("plus") << QList<int> {-1, 0, 1} << "Handicap Index: +3.0";
    }

    void plainFirstLine()
    {
        QFETCH(QList<int>, overPar);
        QFETCH(QString, firstLine);

        const QStringList lines = plainReport(computeHandicap(onOakLinks(dailyRounds(overPar)))).split('\n');

        QCOMPARE(lines.first(), firstLine);
        QCOMPARE(lines.size(), overPar.size() + 3); // the first line, the column heads, a row per round, ""
    }

    void jsonNumbersAndNulls()
    {
        std::vector<Round> rounds = dailyRounds({-1, 0, 1});
        Round undated = round(9, strokesForGross(80), QDate());
        undated.details.reset();
        rounds.push_back(undated);

        const QJsonObject report
            = QJsonDocument::fromJson(jsonReport("Anne Lee", computeHandicap(onOakLinks(rounds)))).object();

        QCOMPARE(report.value("index").toVariant(), QVariant(-3.0)); // +3.0
        QVERIFY(report.value("low_index").isNull());
        const QJsonArray listed = report.value("rounds").toArray();
        QCOMPARE(listed.size(), 4);
        const QJsonObject first = listed.at(0).toObject();
        QCOMPARE(first.value("differential").toDouble(), -1.0);
        QCOMPARE(first.value("course_rating").toDouble(), 72.0);
        QVERIFY(first.value("used").toBool());
        QVERIFY(first.value("reason").isNull());
        const QJsonObject last = listed.at(3).toObject();
        QCOMPARE(last.value("reason").toString(), QStringLiteral("no date"));
        QVERIFY(last.value("date").isNull());
        QVERIFY(last.value("differential").isNull());
        QVERIFY(last.value("adjusted_gross").isNull());
        QCOMPARE(last.value("gross").toInt(), 80);
    }
};

QTEST_GUILESS_MAIN(HandicapReportTest)
#include "tst_handicap_report.moc"
