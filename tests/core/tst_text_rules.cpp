#include "core/records/text_rules.h"

#include <QLocale>
#include <QtTest>

class TextRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The number a text starts with, and its truth: "True" or "False" in any letter case, else a number not 0.
    void leadingNumberAndTruth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<bool>("truth");
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("tab and line feed inside") << "\t1\n2 " << 12.0 << true;
        QTest::newRow("blank after sign") << "- 7" << -7.0 << true;
        QTest::newRow("point first") << ".5" << 0.5 << true;
        QTest::newRow("second point stops") << "1.5.3" << 1.5 << true;
        QTest::newRow("no exponent") << "5e3" << 5.0 << true;
        QTest::newRow("many digits") << "123456789012" << 123456789012.0 << true;
        QTest::newRow("lower true") << "true" << 0.0 << true;
        QTest::newRow("other word") << "yes" << 0.0 << false;
    }
    void leadingNumberAndTruth()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(bool, truth);
        QCOMPARE(text::leadingNumber(text), number);
        QCOMPARE(text::truthValue(text), truth);
    }

    // One character for one: never "SS" for "ß", never "FI" for the ligature.
    void capitals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("raised");
        QTest::newRow("accents") << QString("Åsa Éric") << QString("ÅSA ÉRIC");
        QTest::newRow("sharp s stays") << QString("Strauß") << QString("STRAUß");
        QTest::newRow("ligature stays") << QString("ﬁsh") << QString("ﬁSH");
        QTest::newRow("outside the basic plane")
            << QString::fromUcs4(U"\U00010428x") << QString::fromUcs4(U"\U00010400X");
        QTest::newRow("lone surrogate kept")
            << QStringLiteral("a") + QChar(0xD800) << QStringLiteral("A") + QChar(0xD800);
    }
    void capitals()
    {
        QFETCH(QString, name);
        QFETCH(QString, raised);
        QCOMPARE(text::capitals(name), raised);
    }

    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QString>("total");
        const auto row = [](const char *name, double value, const char *plain, const char *average, const char *total) {
            QTest::newRow(name) << value << QString(plain) << QString(average) << QString(total);
        };
        row("fraction", 4.333333, "4.333333", "4.33", "4");
        row("half rounds up", 3.125, "3.125", "3.13", "3");
        row("grouping", 1234567.6, "1234567.6", "1234567.60", "1,234,568");
        row("negative", -3.0, "-3", "-3.00", "-3");
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(QString, plain);
        QFETCH(QString, average);
        QFETCH(QString, total);
        QCOMPARE(text::plainNumber(value), plain);
        QCOMPARE(text::averageFormat(value), average);
        QCOMPARE(text::totalFormat(value), total);
    }
};

QTEST_APPLESS_MAIN(TextRulesTest)
#include "tst_text_rules.moc"
