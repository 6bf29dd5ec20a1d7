#include "core/exchange/csv_export.h"
#include "core/scorebook/datgolf.h"
#include "tests/support/driving.h"
#include "tests/support/test_files.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

// Export from the prior-rounds grid and the course viewer, import with its
// preview from the course viewer: the counts shown, and what the scorebook
// and the pick-lists hold afterwards.
class ExchangeWindowsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // One course, two golfers and three rounds, and the program started on them.
    static void startWithRounds(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        for (const char *golfer : {"Ann", "Bob"}) {
            program.addGolfer(QString::fromLatin1(golfer));
            program.addRound({{"golfer_name", golfer}, {"course_name", "Pine"}, {"date", "6/12/26"}, {"h1", "4"}});
        }
        program.addRound({{"golfer_name", "Ann"}, {"course_name", "Pine"}, {"date", "6/13/26"}, {"h1", "5"}});
        program.startUp();
    }

private Q_SLOTS:
    void exportWritesTheChosenRecords_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("golfer"); // chosen on the prior-rounds grid
        QTest::addColumn<QString>("told"); // how the message begins: the count is of the records written
        QTest::newRow("all golfers' rounds") << QStringLiteral("frmViewPR") << "All Golfers"
                                             << "3 rounds written";
        QTest::newRow("one golfer's rounds") << QStringLiteral("frmViewPR") << "Ann"
                                             << "2 rounds written";
        QTest::newRow("courses") << QStringLiteral("frmCourse") << ""
                                 << "1 courses written";
    }
    void exportWritesTheChosenRecords()
    {
        QFETCH(QString, window);
        QFETCH(QString, golfer);
        QFETCH(QString, told);
        TestProgram program;
        startWithRounds(program);
        FormWindow *shown = program.windows.show(window);
        if (!golfer.isEmpty()) {
            driving::pick(shown, QStringLiteral("cboExportGolfer"), golfer);
        }
        const QString path = m_dir.filePath(QStringLiteral("%1.csv").arg(QTest::currentDataTag()));
        program.files.answers = {path};

        driving::click(shown, QStringLiteral("cmdExport"));

        QVERIFY(QFile::exists(path));
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY2(program.messages.shown.first().text.startsWith(told), qPrintable(program.messages.shown.first().text));
    }

    // The counts come first; No stores nothing, Yes stores the new records only and refills
    // the pick-lists; a malformed file is named by line and column, and nothing is stored.
    void importShowsTheCountsAndStoresOnlyOnYes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("told"); // a part of the first message
        QTest::addColumn<int>("golfers");
        QTest::addColumn<QStringList>("courses");
        const QString golfers = m_dir.filePath(QStringLiteral("golfers.csv"));
        const QString malformed = m_dir.filePath(QStringLiteral("bad.csv"));
        writeFile(golfers, "golfer_name\r\nAnn\r\nCarl\r\nDee\r\n");
        writeFile(malformed, "golfer_name\r\nCarl\r\n\"Dee\r\n");
        const QString courses = m_dir.filePath(QStringLiteral("courses.csv"));
        TestProgram other;
        other.addCourse(sampleCourse(QStringLiteral("Birch"), {}));
        QCOMPARE(exchange::exportCsv(other.context.databasePath(), {exchange::Kind::Courses, courses, {}}).records,
                 qint64(1));
        const QString counts = QStringLiteral("2 new, 1 identical, 0 conflicting golfers");
        QTest::newRow("golfers, No") << golfers << MessageAnswer::No << counts << 2 << QStringList {"Pine"};
        QTest::newRow("golfers, Yes") << golfers << MessageAnswer::Yes << counts << 4 << QStringList {"Pine"};
        QTest::newRow("courses, Yes") << courses << MessageAnswer::Yes << "1 new, 0 identical, 0 conflicting courses"
                                      << 2 << QStringList {"Pine", "Birch"};
        QTest::newRow("malformed") << malformed << MessageAnswer::Yes
                                   << "line 3, column 1: the quoted field is not closed\nNothing was stored." << 2
                                   << QStringList {"Pine"};
    }
    void importShowsTheCountsAndStoresOnlyOnYes()
    {
        QFETCH(QString, file);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, told);
        QFETCH(int, golfers);
        QFETCH(QStringList, courses);
        TestProgram program;
        startWithRounds(program);
        FormWindow *viewer = program.windows.show(QStringLiteral("frmCourse"));
        program.files.answers = {file};
        program.messages.answers = {answer};

        driving::click(viewer, QStringLiteral("cmdImport"));

        QVERIFY2(program.messages.shown.first().text.contains(told), qPrintable(program.messages.shown.first().text));
        QCOMPARE(program.open(QStringLiteral("golfers"))->recordCount(), golfers);
        QCOMPARE(program.context.pickLists.golfers()->rowCount(), golfers);
        QCOMPARE(program.context.pickLists.courses()->stringList(), courses);
    }
};

QTEST_MAIN(ExchangeWindowsTest)
#include "tst_exchange_windows.moc"
