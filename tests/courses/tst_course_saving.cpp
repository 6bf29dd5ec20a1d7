#include "core/records/course_layout.h"
#include "courses/frm_new_course.h"
#include "tests/courses/course_windows.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace course_layout;
using namespace course_windows;

// Saving courses from the editor: what it passes on to the scorebook, what
// every window lists, and what the editor keeps when nothing was saved.
class CourseSavingTest : public QObject
{
    Q_OBJECT

private:
    static void nameNewCourse(frmNewCourse *editor, const QString &name)
    {
        QLineEdit *box = entry(editor, QStringLiteral("txtNewName"));
        QTest::mouseClick(box, Qt::LeftButton);
        box->clear();
        QTest::keyClicks(box, name);
    }

    static QStringList gridTexts(QWidget *editor)
    {
        QStringList texts;
        for (QLineEdit *box : child(editor, QStringLiteral("fraf9"))->findChildren<QLineEdit *>()) {
            texts.append(box->text());
        }
        return texts;
    }

    // Every stored rating as "course tee rating slope", the rating as SQLite writes it back.
    static QStringList storedRatings(const TestProgram &program)
    {
        return program.query("SELECT course_name, tee, course_rating, slope_rating FROM tee_ratings"
                             " ORDER BY course_name, tee");
    }

    static void typeRatings(frmNewCourse *editor, const QStringList &texts)
    {
        for (int tee = 0; tee < 3; ++tee) {
            entry(editor, QStringLiteral("txtRating_%1").arg(tee))->setText(texts.value(2 * tee));
            entry(editor, QStringLiteral("txtSlope_%1").arg(tee))->setText(texts.value(2 * tee + 1));
        }
    }

private Q_SLOTS:
    // A name of blanks, a scorebook that refuses or a wrong rating saves nothing and keeps the
    // entries; put right, the course is saved as typed in both nines, and listed at once everywhere.
    void newCourseIsSavedOnlyWhenRight_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("ratings");
        QTest::addColumn<QString>("told"); // the start of the message, none when empty
        QTest::newRow("blank name") << "    " << QStringList() << "";
        QTest::newRow("scorebook refuses") << "Birch" << QStringList() << "The course was not saved.";
        QTest::newRow("two decimals") << "Birch" << QStringList {"71.35", "128"} << "The Blue course rating";
        QTest::newRow("slope too high") << "Birch" << QStringList {"", "", "71.3", "156"} << "The White slope rating";
        QTest::newRow("slope alone") << "Birch" << QStringList {"", "", "", "", "", "120"} << "The Red tee needs both";
    }
    void newCourseIsSavedOnlyWhenRight()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, ratings);
        QFETCH(QString, told);
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {})});
        QVERIFY(editor);
        const bool refused = QTest::currentDataTag() == QLatin1String("scorebook refuses");
        if (refused) {
            program.changeFromOutside(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON courseinfo "
                                                     "BEGIN SELECT RAISE(ABORT, 'no room'); END"));
        }
        nameNewCourse(editor, name);
        typeInto(editor, QStringLiteral("yw1_4"), QStringLiteral("375"));
        typeInto(editor, QStringLiteral("p1_8"), QStringLiteral("5"));
        click(editor, QStringLiteral("cmdf9"));
        typeInto(editor, QStringLiteral("p1_0"), QStringLiteral("4"));
        typeInto(editor, QStringLiteral("h1_8"), QStringLiteral("1"));
        typeRatings(editor, ratings);
        const QStringList grid = gridTexts(editor);
        click(editor, QStringLiteral("cmdSaveData"));
        QCOMPARE(program.messages.shown.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(program.messages.shown.isEmpty() || program.messages.shown[0].text.startsWith(told));
        QCOMPARE(program.query("SELECT course_name FROM courseinfo"), QStringList {"Elm"});
        QVERIFY(storedRatings(program).isEmpty());
        QCOMPARE(gridTexts(editor), grid);

        if (refused) {
            program.changeFromOutside(QStringLiteral("DROP TRIGGER refuse"));
        }
        nameNewCourse(editor, QStringLiteral("  Ash Hill  "));
        typeRatings(editor, {"73.1", "135", " 71.3", "128 ", "", ""});
        click(editor, QStringLiteral("cmdSaveData"));
        const QStringList saved = program.context.state.course_cache.value(1);
        QCOMPARE(saved.mid(0, 3), (QStringList {"1", "Ash Hill", "True"}));
        QCOMPARE(saved.at(holeIndex(5, White)), QStringLiteral("375"));
        QCOMPARE(saved.at(holeIndex(18, Handicap)), QStringLiteral("1"));
        QCOMPARE(saved.at(frontTotalIndex(White)), QStringLiteral("375"));
        QCOMPARE(saved.at(backTotalIndex(Par)), QStringLiteral("4"));
        QCOMPARE(storedRatings(program), (QStringList {"Ash Hill blue 73.1 135", "Ash Hill white 71.3 128"}));
        // The editor starts afresh; the mode, size and name stay.
        QCOMPARE(gridTexts(editor), QStringList(49, QStringLiteral("0")));
        QCOMPARE(text(editor, QStringLiteral("txtRating_0")), QString());
        QCOMPARE(text(editor, QStringLiteral("txtNewName")), QStringLiteral("  Ash Hill  "));

        click(editor, QStringLiteral("cmdf9"));
        click(editor, QStringLiteral("Option1_0"));
        nameNewCourse(editor, QStringLiteral("Oak"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("350"));
        click(editor, QStringLiteral("cmdSaveData"));
        QCOMPARE(program.context.state.course_cache.value(2).mid(0, 3), (QStringList {"2", "Oak", "False"}));
        click(editor, QStringLiteral("cmdViewCourse"));
        QWidget *viewer = program.windows.loaded(QStringLiteral("frmCourse"));
        pick(viewer, QStringLiteral("cboCourse"), QStringLiteral("Oak"));
        QCOMPARE(text(viewer, QStringLiteral("lblb1_0")), QStringLiteral("350"));
        click(viewer, QStringLiteral("cmdExit"));
        click(program.windows.loaded(QStringLiteral("frmMain")), QStringLiteral("cmdRoundInfo"));
        QWidget *scoreCard = program.windows.loaded(QStringLiteral("frmScoreround"));
        pick(scoreCard, QStringLiteral("cboCourse"), QStringLiteral("Ash Hill"));
        QCOMPARE(text(scoreCard, QStringLiteral("lblp1_8")), QStringLiteral("5"));
    }

    // Answered No, or for a course not found, nothing is stored and the editor keeps all. Saved,
    // what is shown replaces the course and its ratings; the stored handicap totals go along,
    // the back one 0 once the back nine was shown.
    void updateIsAskedAndSavesWhatIsShown_data()
    {
        QTest::addColumn<bool>("backNine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("answer No, back nine") << true << "" << MessageAnswer::No << "";
        QTest::newRow("not found, front nine")
            << false << "Nowhere" << MessageAnswer::Yes << " Sorry, I could not find the course. ";
    }
    void updateIsAskedAndSavesWhatIsShown()
    {
        QFETCH(bool, backNine);
        QFETCH(QString, name);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, told);
        TestProgram program;
        QStringList ash = sampleCourse(QStringLiteral("Ash"), {});
        ash[frontTotalIndex(Handicap)] = QStringLiteral("77");
        ash[backTotalIndex(Handicap)] = QStringLiteral("55");
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {}), ash});
        QVERIFY(editor);
        handicap_data::rate(program, "Ash", "blue", "70.0", 120);
        handicap_data::rate(program, "Ash", "red", "68.2", 115);
        const QStringList stored = program.query("SELECT * FROM courseinfo");
        click(editor, QStringLiteral("Option2_1"));
        choose(editor, QStringLiteral("cboName"), 1);
        QCOMPARE(texts(editor, QStringLiteral("txtRating_%1"), 0, 2), (QStringList {"70.0", "", "68.2"}));
        QCOMPARE(text(editor, QStringLiteral("txtSlope_2")), QStringLiteral("115"));
        if (backNine) {
            click(editor, QStringLiteral("cmdf9"));
        }
        typeInto(editor, QStringLiteral("yr1_4"), QStringLiteral("222"));
        typeRatings(editor, {"70.0", "120", "69.5", "118", "", ""});
        auto *names = child<QComboBox>(editor, QStringLiteral("cboName"));
        if (!name.isEmpty()) {
            names->setEditText(name);
        }
        const QString shownName = names->currentText();
        const QStringList grid = gridTexts(editor);
        const QStringList record = program.context.state.course_record;
        program.messages.answers = {answer};
        click(editor, QStringLiteral("cmdSaveData"));

        QCOMPARE(program.messages.shown.size(), told.isEmpty() ? 1 : 2);
        const MessageRequest question = program.messages.shown[0];
        QCOMPARE(question.title, QStringLiteral(" Update a course "));
        QCOMPARE(question.text, QStringLiteral(" Are you sure you want to update this course? "));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultButton, MessageAnswer::No);
        QCOMPARE(program.messages.shown.value(1).text, told);
        QCOMPARE(program.query("SELECT * FROM courseinfo"), stored);
        QCOMPARE(storedRatings(program), (QStringList {"Ash blue 70.0 120", "Ash red 68.2 115"}));
        QCOMPARE(gridTexts(editor), grid);
        QCOMPARE(program.context.state.course_record, record);
        QCOMPARE(names->currentText(), shownName);

        names->setEditText(QStringLiteral("Ash"));
        program.messages.answers = {MessageAnswer::Yes};
        QStringList expected = program.context.state.course_cache.at(1);
        click(editor, QStringLiteral("cmdSaveData"));
        expected[holeIndex(backNine ? 14 : 5, Red)] = QStringLiteral("222");
        expected[backNine ? backTotalIndex(Red) : frontTotalIndex(Red)] = backNine ? "2334" : "2262";
        expected[backTotalIndex(Handicap)] = backNine ? "0" : "55";
        QCOMPARE(program.context.state.course_cache.at(1), expected);
        QCOMPARE(storedRatings(program), (QStringList {"Ash blue 70.0 120", "Ash white 69.5 118"}));
    }
};

QTEST_MAIN(CourseSavingTest)
#include "tst_course_saving.moc"
