#include "courses/frm_new_course.h"
#include "tests/courses/course_windows.h"
#include "tests/support/test_program.h"
#include "tests/support/x11_keys.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace course_windows;

// The course editor's grid, keys, totals, nine switch and modes.
class CourseEditorTest : public QObject
{
    Q_OBJECT

private:
    static QStringList column(QWidget *editor, const char *array, int rows = 10)
    {
        return texts(editor, QString::fromLatin1(array) + QStringLiteral("_%1"), 0, rows - 1);
    }

    static QStringList holeLabels(QWidget *editor) { return texts(editor, QStringLiteral("lblH%1"), 1, 9); }

    static bool checked(QWidget *editor, const char *option)
    {
        return editor->findChild<QRadioButton *>(QString::fromLatin1(option))->isChecked();
    }

    static QAbstractButton *nineSwitch(QWidget *editor)
    {
        return editor->findChild<QAbstractButton *>(QStringLiteral("cmdf9"));
    }

private Q_SLOTS:
    void opensForANewEighteenHoleCourseAndLeaves()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Pine", {})});
        QVERIFY(editor);
        QVERIFY(!program.windows.loaded(QStringLiteral("frmCourse"))->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Enter New Course Data"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("New"));
        QCOMPARE(text(editor, QStringLiteral("lblCourseName")), QStringLiteral(" Course Name "));
        QVERIFY(checked(editor, "Option2_0"));
        QVERIFY(checked(editor, "Option1_1"));
        QVERIFY(entry(editor, QStringLiteral("txtNewName"))->isVisible());
        auto *names = editor->findChild<QComboBox *>(QStringLiteral("cboName"));
        QVERIFY(!names->isVisible());
        QCOMPARE(names->count(), 1);
        QCOMPARE(names->currentText(), QStringLiteral("Select Course"));
        QVERIFY(nineSwitch(editor)->isVisible());
        QCOMPARE(nineSwitch(editor)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(editor->findChild<QGroupBox *>(QStringLiteral("fraf9"))->title(), QStringLiteral("Front Nine"));
        QCOMPARE(holeLabels(editor), numbers(1, 9));
        QCOMPARE(column(editor, "yb1") + column(editor, "yw1") + column(editor, "yr1") + column(editor, "p1")
                     + column(editor, "h1", 9),
                 QStringList(49, QStringLiteral("0")));
        QVERIFY(!entry(editor, QStringLiteral("h1_9")));
        QCOMPARE(program.context.state.course_record, QStringList(103, QStringLiteral("0")));

        // Back to the viewer, whose card is cleared; then closed to the menu, keeping what was typed.
        QWidget *viewer = program.windows.loaded(QStringLiteral("frmCourse"));
        choose(viewer, QStringLiteral("cboCourse"), 0);
        click(editor, QStringLiteral("cmdViewCourse"));
        QVERIFY(!editor->isVisible() && viewer->isVisible());
        QCOMPARE(viewer->findChild<QComboBox *>(QStringLiteral("cboCourse"))->currentText(),
                 QStringLiteral("Select Course"));
        QCOMPARE(text(viewer, QStringLiteral("lblb1_0")), QStringLiteral("0"));
        click(viewer, QStringLiteral("cmdNewCourseInfo"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("9"));
        editor->close();
        QWidget *main = program.windows.loaded(QStringLiteral("frmMain"));
        QVERIFY(!editor->isVisible() && main->isVisible());
        click(main, QStringLiteral("cmdCourseInfo"));
        click(viewer, QStringLiteral("cmdNewCourseInfo"));
        QCOMPARE(entry(editor, QStringLiteral("yb1_0"))->text(), QStringLiteral("9"));
    }

    void typingFollowsInTheColumnTotal_data()
    {
        QTest::addColumn<QString>("array");
        QTest::newRow("blue") << "yb1";
        QTest::newRow("white") << "yw1";
        QTest::newRow("red") << "yr1";
        QTest::newRow("par") << "p1";
    }
    void typingFollowsInTheColumnTotal()
    {
        QFETCH(QString, array);
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        typeInto(editor, array + "_0", QStringLiteral("400"));
        typeInto(editor, array + "_3", QStringLiteral("12"));
        QLineEdit *total = entry(editor, array + "_9");
        QCOMPARE(total->text(), QStringLiteral("412"));
        QLineEdit *box = entry(editor, array + "_3");
        int beeps = 0;
        for (const auto &[key, keyText] :
             {std::pair {Qt::Key_A, "a"}, {Qt::Key_Minus, "-"}, {Qt::Key_Space, " "}, {Qt::Key_Period, "."}}) {
            QTest::sendKeyEvent(QTest::Click, box, key, QString::fromLatin1(keyText), Qt::NoModifier);
            QCOMPARE(box->text(), QStringLiteral("12"));
            QCOMPARE(program.beeper.beeps, ++beeps);
        }
        QCOMPARE(total->text(), QStringLiteral("412"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(total->text(), QStringLiteral("401"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QCOMPARE(total->text(), QStringLiteral("400"));
        // Whatever is typed into the total is replaced by the sum at once.
        typeInto(editor, array + "_9", QStringLiteral("7"));
        QCOMPARE(total->text(), QStringLiteral("400"));
    }

    void totalsNeverWrap()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        for (const auto &[hole, total] : {std::pair {"3641", "32769"}, {"999999999", "8999999991"}}) {
            for (int row = 0; row < 9; ++row) {
                typeInto(editor, QStringLiteral("yb1_%1").arg(row), QString::fromLatin1(hole));
            }
            QCOMPARE(entry(editor, QStringLiteral("yb1_9"))->text(), QString::fromLatin1(total));
        }
    }

    void enterMovesDownEachColumnAndOn_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("eighteen");
        QTest::addColumn<QString>("to");
        QTest::newRow("down a column") << "yb1_4" << true << "yb1_5";
        QTest::newRow("ninth hole to total") << "yr1_8" << true << "yr1_9";
        QTest::newRow("blue total to white") << "yb1_9" << true << "yw1_0";
        QTest::newRow("white total to red") << "yw1_9" << true << "yr1_0";
        QTest::newRow("red total to par") << "yr1_9" << true << "p1_0";
        QTest::newRow("par total to handicap") << "p1_9" << true << "h1_0";
        QTest::newRow("last handicap, eighteen") << "h1_8" << true << "cmdf9";
        QTest::newRow("last handicap, nine") << "h1_8" << false << "cmdSaveData";
    }
    void enterMovesDownEachColumnAndOn()
    {
        QFETCH(QString, from);
        QFETCH(bool, eighteen);
        QFETCH(QString, to);
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        if (!eighteen) {
            click(editor, QStringLiteral("Option1_0"));
            QVERIFY(!nineSwitch(editor)->isVisible());
        }
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("4"));
        QLineEdit *box = entry(editor, from);
        const QString before = box->text();
        typeInto(editor, from, QString());
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), to);
        QCOMPARE(box->text(), before);
        QCOMPARE(program.beeper.beeps, 0);
    }

    void keysTypedInBurstsAllReachTheirBoxes()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        typeInto(editor, QStringLiteral("yb1_0"), QString());
        x11_keys::burst(editor, QStringLiteral("412\r36"));
        QCoreApplication::processEvents();
        x11_keys::burst(editor, QStringLiteral("6\r"));
        QCoreApplication::processEvents();
        QCOMPARE(column(editor, "yb1", 2), (QStringList {"412", "366"}));
    }

    void nineSwitchKeepsTheFrontWhileTheBackIsTyped()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("410"));
        typeInto(editor, QStringLiteral("p1_8"), QStringLiteral("5"));
        typeInto(editor, QStringLiteral("h1_8"), QStringLiteral("17"));
        QTest::keyClick(entry(editor, QStringLiteral("h1_8")), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), nineSwitch(editor));
        QTest::keyClick(nineSwitch(editor), Qt::Key_Return);

        QCOMPARE(nineSwitch(editor)->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nineSwitch(editor)->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(editor->findChild<QGroupBox *>(QStringLiteral("fraf9"))->title(), QStringLiteral("Back Nine"));
        QCOMPARE(holeLabels(editor), numbers(10, 9));
        QCOMPARE(column(editor, "yb1"), QStringList(10, QStringLiteral("0")));
        QCOMPARE(column(editor, "h1", 9), QStringList(9, QStringLiteral("0")));
        QCOMPARE(entry(editor, QStringLiteral("yb1_0"))->accessibleName(), QStringLiteral("Hole 10 blue yards"));
        QTRY_COMPARE(QApplication::focusWidget(), entry(editor, QStringLiteral("yb1_0")));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("388"));

        click(editor, QStringLiteral("cmdf9"));
        QCOMPARE(holeLabels(editor), numbers(1, 9));
        QCOMPARE(column(editor, "yb1").first(), QStringLiteral("410"));
        QCOMPARE(column(editor, "yb1").last(), QStringLiteral("410"));
        QCOMPARE(column(editor, "p1").at(8), QStringLiteral("5"));
        QCOMPARE(column(editor, "h1", 9).at(8), QStringLiteral("17"));
        QCOMPARE(program.context.state.course_record.at(53), QStringLiteral("388"));

        click(editor, QStringLiteral("cmdf9"));
        QCOMPARE(column(editor, "yb1").first(), QStringLiteral("388"));
        QCOMPARE(column(editor, "yb1").last(), QStringLiteral("388"));
    }

    void choosingACourseInEditMode_data()
    {
        QTest::addColumn<bool>("eighteen");
        QTest::newRow("eighteen holes") << true;
        QTest::newRow("nine holes") << false;
    }
    void choosingACourseInEditMode()
    {
        QFETCH(bool, eighteen);
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {}), sampleCourse("Birch", {3}, eighteen)});
        QVERIFY(editor);
        // Start from the back nine of a new course, so the choice must bring the front back.
        click(editor, QStringLiteral("cmdf9"));
        click(editor, QStringLiteral("Option2_1"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("Edit"));
        QVERIFY(!entry(editor, QStringLiteral("txtNewName"))->isVisible());
        QVERIFY(editor->findChild<QComboBox *>(QStringLiteral("cboName"))->isVisible());

        choose(editor, QStringLiteral("cboName"), 1);
        QCOMPARE(program.context.state.course_index, 1);
        QCOMPARE(program.context.state.course_record, program.context.state.course_cache.at(1));
        QCOMPARE(checked(editor, "Option1_1"), eighteen);
        QCOMPARE(checked(editor, "Option1_0"), !eighteen);
        QCOMPARE(nineSwitch(editor)->isVisible(), eighteen);
        QCOMPARE(nineSwitch(editor)->isEnabled(), eighteen);
        QCOMPARE(nineSwitch(editor)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(holeLabels(editor), numbers(1, 9));
        QCOMPARE(column(editor, "yb1"), numbers(301, 9) << "2745");
        QCOMPARE(column(editor, "p1"), (QStringList {"3", "4", "4", "4", "4", "4", "4", "4", "4", "35"}));
        QCOMPARE(column(editor, "h1", 9), numbers(1, 9));

        // Choosing Eighteen for a nine-hole course opens its back nine for typing.
        click(editor, QStringLiteral("Option1_1"));
        QVERIFY(nineSwitch(editor)->isVisible() && nineSwitch(editor)->isEnabled());

        // Back to New mode: the course stays on the grid, ready to be saved under a new name.
        const QStringList record = program.context.state.course_record;
        click(editor, QStringLiteral("Option2_0"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("New"));
        QVERIFY(entry(editor, QStringLiteral("txtNewName"))->isVisible());
        QCOMPARE(program.context.state.course_record, record);
        QCOMPARE(column(editor, "yw1"), numbers(281, 9) << "2565");
    }
};

QTEST_MAIN(CourseEditorTest)
#include "tst_course_editor.moc"
