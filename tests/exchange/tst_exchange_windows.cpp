#include "core/scorebook/datgolf.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QtTest>

// Export from the prior-rounds grid and the course viewer, import with its
// preview from the course viewer: the file chosen, the counts shown, and what
// the scorebook holds afterwards.
class ExchangeWindowsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static void storeRounds(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        for (const char *golfer : {"Ann", "Bob"}) {
            program.addGolfer(QString::fromLatin1(golfer));
            program.addRound({{"golfer_name", golfer}, {"course_name", "Pine"}, {"date", "6/12/26"}, {"h1", "4"}});
        }
        program.addRound({{"golfer_name", "Ann"}, {"course_name", "Pine"}, {"date", "6/13/26"}, {"h1", "5"}});
    }

    static QStringList lines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    static void click(QWidget *window, const char *name)
    {
        auto *button = window->findChild<QAbstractButton *>(name);
        QVERIFY2(button && button->isVisible(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static int count(TestProgram &program, const QString &table) { return program.open(table)->recordCount(); }

    void writeCsv(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void priorRoundsExportAllOrOneGolfer_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("rounds");
        QTest::newRow("all") << "All Golfers" << 3;
        QTest::newRow("one golfer") << "Ann" << 2;
    }
    void priorRoundsExportAllOrOneGolfer()
    {
        QFETCH(QString, choice);
        QFETCH(int, rounds);
        TestProgram program;
        storeRounds(program);
        program.startUp();
        FormWindow *grid = program.windows.show(QStringLiteral("frmViewPR"));
        auto *golfers = grid->findChild<QComboBox *>("cboExportGolfer");
        golfers->setCurrentIndex(golfers->findText(choice));
        const QString path = m_dir.filePath(QStringLiteral("rounds.csv"));
        QFile::remove(path);
        program.files.answers = {path};

        click(grid, "cmdExport");

        const QStringList written = lines(path);
        QCOMPARE(written.size(), 1 + rounds);
        QVERIFY(written.first().startsWith(QLatin1String("record_no,golfer_name,course_name,date")));
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY2(program.messages.shown.first().text.startsWith(QStringLiteral("%1 rounds written").arg(rounds)),
                 qPrintable(program.messages.shown.first().text));
    }

    void exportCancelledAtTheFileChoiceWritesNothing()
    {
        TestProgram program;
        storeRounds(program);
        program.startUp();
        FormWindow *viewer = program.windows.show(QStringLiteral("frmCourse"));
        click(viewer, "cmdExport");
        QCOMPARE(program.files.asked, QStringList {"Export"});
        QVERIFY(program.files.suggested.first().endsWith(QLatin1String("courses.csv")));
        QVERIFY(program.messages.shown.isEmpty());
        QCOMPARE(QDir(program.folder.path()).entryList({"*.csv"}), QStringList());
    }

    // The counts come first; No stores nothing, Yes stores the new records only,
    // and the course list shows the new course.
    void importShowsTheCountsAndStoresOnlyOnYes_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<int>("golfers");
        QTest::newRow("No") << MessageAnswer::No << 2;
        QTest::newRow("Yes") << MessageAnswer::Yes << 4;
    }
    void importShowsTheCountsAndStoresOnlyOnYes()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(int, golfers);
        TestProgram program;
        storeRounds(program);
        writeCsv(QStringLiteral("golfers.csv"), "golfer_name\r\nAnn\r\nCarl\r\nDee\r\n");
        program.startUp();
        FormWindow *viewer = program.windows.show(QStringLiteral("frmCourse"));
        program.files.answers = {m_dir.filePath(QStringLiteral("golfers.csv"))};
        program.messages.answers = {answer};

        click(viewer, "cmdImport");

        const MessageRequest question = program.messages.shown.first();
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QVERIFY2(question.text.contains(QLatin1String("2 new, 1 identical, 0 conflicting golfers")),
                 qPrintable(question.text));
        QCOMPARE(count(program, QStringLiteral("golfers")), golfers);
        QCOMPARE(program.context.pickLists.golfers()->rowCount(), golfers);
    }

    void malformedFileIsToldWithLineAndColumnAndNothingStored()
    {
        TestProgram program;
        storeRounds(program);
        writeCsv(QStringLiteral("bad.csv"), "golfer_name\r\nCarl\r\n\"Dee\r\n");
        program.startUp();
        FormWindow *viewer = program.windows.show(QStringLiteral("frmCourse"));
        program.files.answers = {m_dir.filePath(QStringLiteral("bad.csv"))};

        click(viewer, "cmdImport");

        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY2(program.messages.shown.first().text.contains(QLatin1String("line 3, column 1")),
                 qPrintable(program.messages.shown.first().text));
        QVERIFY(program.messages.shown.first().text.contains(QLatin1String("Nothing was stored.")));
        QCOMPARE(count(program, QStringLiteral("golfers")), 2);
    }

    void courseImportFillsTheCourseList()
    {
        TestProgram other;
        other.addCourse(sampleCourse(QStringLiteral("Birch"), {}));
        other.startUp();
        const QString path = m_dir.filePath(QStringLiteral("courses.csv"));
        other.files.answers = {path};
        click(other.windows.show(QStringLiteral("frmCourse")), "cmdExport");

        TestProgram program;
        storeRounds(program);
        program.startUp();
        FormWindow *viewer = program.windows.show(QStringLiteral("frmCourse"));
        program.files.answers = {path};
        program.messages.answers = {MessageAnswer::Yes};
        click(viewer, "cmdImport");

        QCOMPARE(program.context.pickLists.courses()->stringList(), QStringList({"Pine", "Birch"}));
        QCOMPARE(program.context.state.last_course, 1);
    }
};

QTEST_MAIN(ExchangeWindowsTest)
#include "tst_exchange_windows.moc"
