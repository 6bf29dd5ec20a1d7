#include "core/handicap/tenths_text.h"
#include "tests/core/handicap_rounds.h"

#include <QtTest>

// Indexes and ratings as text, exactly. The reports are tested through teebook-cli.
class TenthsTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexText_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");

        QTest::newRow("handicap") << 123 << "12.3";
        QTest::newRow("plus") << -12 << "+1.2";
        QTest::newRow("below one") << 5 << "0.5";
        QTest::newRow("plus below one") << -5 << "+0.5";
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

        QTest::newRow("whole, blanks around") << " 72 " << std::optional(720);
        QTest::newRow("half of a tenth") << "71.35" << std::optional(714);
        QTest::newRow("under half of a tenth") << "71.349" << std::optional(713);
        QTest::newRow("negative half") << "-0.25" << std::optional(-3);
        QTest::newRow("letters") << "abc" << std::optional<int>();
        QTest::newRow("exponent") << "7e1" << std::optional<int>();
        QTest::newRow("point alone") << "." << std::optional<int>();
    }

    void tenthsFromText()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, tenths);

        QCOMPARE(handicap::tenthsFromText(text), tenths);
    }
};

QTEST_GUILESS_MAIN(TenthsTextTest)
#include "tst_tenths_text.moc"
