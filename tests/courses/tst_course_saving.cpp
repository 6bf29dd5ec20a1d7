#include "core/records/course_layout.h"
#include "core/scorebook/datgolf.h"
#include "courses/frm_new_course.h"
#include "tests/courses/course_windows.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"
#include "ui/pick_lists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace course_layout;
using namespace course_windows;

// Saving courses from the editor: what the scorebook holds afterwards, what
// every window lists, and what the editor keeps when nothing was saved.
class CourseSavingTest : public QObject
{
    Q_OBJECT

private:
    // Every stored course in table order, each as its 103 fields.
    static QList<QStringList> storedCourses(const TestProgram &program)
    {
        QList<QStringList> courses;
        auto data = program.open(QStringLiteral("courseinfo"));
        for (data->moveFirst(); !data->atEnd(); data->moveNext()) {
            QStringList course;
            for (int index = 0; index < Fields; ++index) {
                course.append(data->field(fieldName(index)));
            }
            courses.append(course);
        }
        return courses;
    }

    static void nameNewCourse(frmNewCourse *editor, const QString &name)
    {
        QLineEdit *box = entry(editor, QStringLiteral("txtNewName"));
        QTest::mouseClick(box, Qt::LeftButton);
        box->clear();
        QTest::keyClicks(box, name);
    }

    static void editCourse(frmNewCourse *editor, int listPosition)
    {
        click(editor, QStringLiteral("Option2_1"));
        choose(editor, QStringLiteral("cboName"), listPosition);
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
    // A nine-hole course and an eighteen-hole one added to an empty table: stored field by field,
    // listed at once everywhere, and scored.
    void newCoursesAreStoredAndListedAtOnce()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        click(editor, QStringLiteral("Option1_0"));
        nameNewCourse(editor, QStringLiteral("  Oak Ridge  "));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("350"));
        click(editor, QStringLiteral("cmdSaveData"));
        click(editor, QStringLiteral("Option1_1"));
        nameNewCourse(editor, QStringLiteral("Ash Hill"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("401"));
        typeInto(editor, QStringLiteral("yw1_4"), QStringLiteral("375"));
        typeInto(editor, QStringLiteral("p1_8"), QStringLiteral("5"));
        click(editor, QStringLiteral("cmdf9"));
        typeInto(editor, QStringLiteral("p1_0"), QStringLiteral("4"));
        typeInto(editor, QStringLiteral("h1_8"), QStringLiteral("1"));
        click(editor, QStringLiteral("cmdSaveData"));

        QVERIFY(program.messages.shown.isEmpty());
        const QList<QStringList> stored = storedCourses(program);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].mid(0, 3), (QStringList {"0", "Oak Ridge", "False"}));
        QCOMPARE(stored[0].at(holeIndex(1, Blue)), QStringLiteral("350"));
        QCOMPARE(stored[0].mid(holeIndex(10, Blue)), QStringList(50, QStringLiteral("0")));
        QCOMPARE(stored[1].mid(0, 3), (QStringList {"1", "Ash Hill", "True"}));
        QCOMPARE(stored[1].at(holeIndex(1, Blue)), QStringLiteral("401"));
        QCOMPARE(stored[1].at(holeIndex(5, White)), QStringLiteral("375"));
        QCOMPARE(stored[1].at(holeIndex(10, Par)), QStringLiteral("4"));
        QCOMPARE(stored[1].at(holeIndex(18, Handicap)), QStringLiteral("1"));
        QCOMPARE(stored[1].at(frontTotalIndex(White)), QStringLiteral("375"));
        QCOMPARE(stored[1].at(frontTotalIndex(Par)), QStringLiteral("5"));
        QCOMPARE(stored[1].at(backTotalIndex(Par)), QStringLiteral("4"));
        QCOMPARE(stored[1].at(backTotalIndex(Handicap)), QStringLiteral("0"));
        QCOMPARE(program.context.state.course_cache, stored);
        // After a save the editor starts afresh; the mode, size and name stay.
        QCOMPARE(gridTexts(editor), QStringList(49, QStringLiteral("0")));
        QCOMPARE(entry(editor, QStringLiteral("txtNewName"))->text(), QStringLiteral("Ash Hill"));

        QCOMPARE(program.context.pickLists.courses()->stringList(), (QStringList {"Oak Ridge", "Ash Hill"}));
        click(editor, QStringLiteral("cmdViewCourse"));
        QWidget *viewer = program.windows.loaded(QStringLiteral("frmCourse"));
        choose(viewer, QStringLiteral("cboCourse"), 0);
        QCOMPARE(text(viewer, QStringLiteral("lblb1_0")), QStringLiteral("350"));
        click(viewer, QStringLiteral("cmdExit"));
        click(program.windows.loaded(QStringLiteral("frmMain")), QStringLiteral("cmdRoundInfo"));
        QWidget *scoreCard = program.windows.loaded(QStringLiteral("frmScoreround"));
        choose(scoreCard, QStringLiteral("cboCourse"), 1);
        QCOMPARE(text(scoreCard, QStringLiteral("lblp1_8")), QStringLiteral("5"));
    }

    // The chosen course's handicap totals go along, though its back nine was never shown.
    void updateAfterYesRewritesTheLaterOfTwoNamesakes()
    {
        TestProgram program;
        QStringList pine = sampleCourse(QStringLiteral("Pine"), {});
        pine[frontTotalIndex(Handicap)] = QStringLiteral("77");
        pine[backTotalIndex(Handicap)] = QStringLiteral("55");
        frmNewCourse *editor = openEditor(program, {pine, sampleCourse("Oak", {}), sampleCourse("PINE", {})});
        QVERIFY(editor);
        const QList<QStringList> before = storedCourses(program);
        editCourse(editor, 0);
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("999"));
        program.messages.answers = {MessageAnswer::Yes};
        click(editor, QStringLiteral("cmdSaveData"));

        QCOMPARE(program.messages.shown.size(), 1);
        const MessageRequest question = program.messages.shown[0];
        QCOMPARE(question.title, QStringLiteral(" Update a course "));
        QCOMPARE(question.text, QStringLiteral(" Are you sure you want to update this course? "));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultButton, MessageAnswer::No);

        const QList<QStringList> after = storedCourses(program);
        QCOMPARE(after.mid(0, 2), before.mid(0, 2));
        QStringList expected = before[2];
        expected[Name] = QStringLiteral("Pine");
        expected[holeIndex(1, Blue)] = QStringLiteral("999");
        expected[frontTotalIndex(Blue)] = QString::number(2745 - 301 + 999);
        expected[frontTotalIndex(Handicap)] = QStringLiteral("77");
        expected[backTotalIndex(Handicap)] = QStringLiteral("55");
        QCOMPARE(after[2], expected);
        QCOMPARE(gridTexts(editor), QStringList(49, QStringLiteral("0")));
        QCOMPARE(program.context.state.course_cache, after);
    }

    void unsavedUpdateKeepsTheEditorAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("answer No") << "" << MessageAnswer::No << "";
        QTest::newRow("course not found") << "Nowhere" << MessageAnswer::Yes << " Sorry, I could not find the course. ";
    }
    void unsavedUpdateKeepsTheEditorAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, told);
        TestProgram program;
        QStringList ash = sampleCourse(QStringLiteral("Ash"), {});
        ash[frontTotalIndex(Handicap)] = QStringLiteral("77");
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {}), ash});
        QVERIFY(editor);
        const QList<QStringList> before = storedCourses(program);
        editCourse(editor, 1);
        click(editor, QStringLiteral("cmdf9"));
        typeInto(editor, QStringLiteral("yr1_4"), QStringLiteral("222"));
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
        if (!told.isEmpty()) {
            QCOMPARE(program.messages.shown[1].text, told);
        }
        QCOMPARE(storedCourses(program), before);
        QCOMPARE(gridTexts(editor), grid);
        QCOMPARE(program.context.state.course_record, record);
        QCOMPARE(names->currentText(), shownName);

        // The user can go on and save what is on screen: with the back nine shown,
        // the front handicap total stays and the back one becomes 0.
        names->setEditText(QStringLiteral("Ash"));
        program.messages.answers = {MessageAnswer::Yes};
        click(editor, QStringLiteral("cmdSaveData"));
        const QStringList saved = storedCourses(program).at(1);
        QCOMPARE(saved.at(holeIndex(14, Red)), QStringLiteral("222"));
        QCOMPARE(saved.at(frontTotalIndex(Handicap)), QStringLiteral("77"));
        QCOMPARE(saved.at(backTotalIndex(Handicap)), QStringLiteral("0"));
    }

    // A name of blanks, a scorebook that refuses or a wrong rating saves nothing and keeps the
    // entries; put right, the course is saved with its ratings.
    void refusedNewCourseSavesNothing_data()
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
    void refusedNewCourseSavesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, ratings);
        QFETCH(QString, told);
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        const bool refused = QTest::currentDataTag() == QLatin1String("scorebook refuses");
        if (refused) {
            program.changeFromOutside(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON courseinfo "
                                                     "BEGIN SELECT RAISE(ABORT, 'no room'); END"));
        }
        nameNewCourse(editor, name);
        typeInto(editor, QStringLiteral("yw1_1"), QStringLiteral("310"));
        typeRatings(editor, ratings);
        const QStringList grid = gridTexts(editor);
        click(editor, QStringLiteral("cmdSaveData"));
        QCOMPARE(program.messages.shown.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty()) {
            QVERIFY2(program.messages.shown[0].text.startsWith(told), qPrintable(program.messages.shown[0].text));
        }
        QVERIFY(storedCourses(program).isEmpty());
        QVERIFY(storedRatings(program).isEmpty());
        QCOMPARE(program.context.state.last_course, -1);
        QCOMPARE(gridTexts(editor), grid);

        if (refused) {
            program.changeFromOutside(QStringLiteral("DROP TRIGGER refuse"));
        }
        nameNewCourse(editor, QStringLiteral("Birch"));
        typeRatings(editor, {"73.1", "135", " 71.3", "128 ", "", ""});
        click(editor, QStringLiteral("cmdSaveData"));
        QCOMPARE(storedCourses(program).at(0).at(holeIndex(2, White)), QStringLiteral("310"));
        QCOMPARE(storedRatings(program), (QStringList {"Birch blue 73.1 135", "Birch white 71.3 128"}));
        QCOMPARE(text(editor, QStringLiteral("txtRating_0")), QString());
    }

    // Edit mode shows a course's ratings; saving replaces them all.
    void ratingsAreShownAndReplaced()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {})});
        handicap_data::rate(program, "Elm", "blue", "70.0", 120);
        handicap_data::rate(program, "Elm", "red", "68.2", 115);
        editCourse(editor, 0);
        QCOMPARE(texts(editor, QStringLiteral("txtRating_%1"), 0, 2), (QStringList {"70.0", "", "68.2"}));
        QCOMPARE(text(editor, QStringLiteral("txtSlope_2")), QStringLiteral("115"));
        typeRatings(editor, {"70.0", "120", "69.5", "118", "", ""});
        program.messages.answers = {MessageAnswer::Yes};
        click(editor, QStringLiteral("cmdSaveData"));
        QCOMPARE(storedRatings(program), (QStringList {"Elm blue 70.0 120", "Elm white 69.5 118"}));
    }

    void ratingBoxesFollowTheGridInTabOrderWithTheirNames()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QWidget *box = entry(editor, QStringLiteral("h1_8"));
        QStringList names;
        for (int step = 0; step < 7; ++step) {
            do {
                box = box->nextInFocusChain();
            } while (box->focusPolicy() == Qt::NoFocus);
            names.append(box->accessibleName());
        }
        QCOMPARE(names,
                 (QStringList {"Blue course rating", "Blue slope rating", "White course rating", "White slope rating",
                               "Red course rating", "Red slope rating", "Back Nine"}));
    }
};

QTEST_MAIN(CourseSavingTest)
#include "tst_course_saving.moc"
