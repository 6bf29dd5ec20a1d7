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
    static bool checked(QWidget *editor, const char *option)
    {
        return child<QRadioButton>(editor, QString::fromLatin1(option))->isChecked();
    }

private Q_SLOTS:
    void opensForANewEighteenHoleCourseAndLeaves()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Pine", {})});
        QVERIFY(editor);
        QVERIFY(!program.windows.loaded(QStringLiteral("frmCourse"))->isVisible());
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("New"));
        QVERIFY(checked(editor, "Option2_0") && checked(editor, "Option1_1"));
        QVERIFY(entry(editor, QStringLiteral("txtNewName"))->isVisible());
        QVERIFY(!child(editor, QStringLiteral("cboName"))->isVisible());
        QCOMPARE(program.context.state.course_record, QStringList(103, QStringLiteral("0")));

        // Back to the viewer, whose card is cleared; then closed to the menu, keeping what was typed.
        QWidget *viewer = program.windows.loaded(QStringLiteral("frmCourse"));
        choose(viewer, QStringLiteral("cboCourse"), 0);
        click(editor, QStringLiteral("cmdViewCourse"));
        QVERIFY(!editor->isVisible() && viewer->isVisible());
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

    // Digits follow into the column total at once; other keys beep; the total takes no typing.
    void typingFollowsInTheColumnTotal()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        typeInto(editor, QStringLiteral("p1_0"), QStringLiteral("400"));
        typeInto(editor, QStringLiteral("p1_3"), QStringLiteral("12"));
        QLineEdit *total = entry(editor, QStringLiteral("p1_9"));
        QCOMPARE(total->text(), QStringLiteral("412"));
        QLineEdit *box = entry(editor, QStringLiteral("p1_3"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(program.beeper.beeps, 1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(total->text(), QStringLiteral("401"));
        typeInto(editor, QStringLiteral("p1_9"), QStringLiteral("7"));
        QCOMPARE(total->text(), QStringLiteral("401"));
    }

    void enterMovesDownEachColumnAndOn_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("eighteen");
        QTest::addColumn<QString>("to");
        QTest::newRow("down a column") << "yb1_4" << true << "yb1_5";
        QTest::newRow("ninth hole to total") << "yr1_8" << true << "yr1_9";
        QTest::newRow("total to the next column") << "yb1_9" << true << "yw1_0";
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
            QVERIFY(!child(editor, QStringLiteral("cmdf9"))->isVisible());
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
        QCOMPARE(texts(editor, QStringLiteral("yb1_%1"), 0, 1), (QStringList {"412", "366"}));
    }

    void nineSwitchKeepsTheFrontWhileTheBackIsTyped()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program);
        QVERIFY(editor);
        auto *nine = child<QAbstractButton>(editor, QStringLiteral("cmdf9"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("410"));
        typeInto(editor, QStringLiteral("h1_8"), QStringLiteral("17"));
        QTest::keyClick(entry(editor, QStringLiteral("h1_8")), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), nine);
        QTest::keyClick(nine, Qt::Key_Return);

        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(child<QGroupBox>(editor, QStringLiteral("fraf9"))->title(), QStringLiteral("Back Nine"));
        QCOMPARE(text(editor, QStringLiteral("lblH1")), QStringLiteral("10"));
        QCOMPARE(entry(editor, QStringLiteral("yb1_0"))->accessibleName(), QStringLiteral("Hole 10 blue yards"));
        QTRY_COMPARE(QApplication::focusWidget(), entry(editor, QStringLiteral("yb1_0")));
        QCOMPARE(text(editor, QStringLiteral("yb1_0")), QStringLiteral("0"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("388"));

        click(editor, QStringLiteral("cmdf9"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Back Nine"));
        QCOMPARE(text(editor, QStringLiteral("yb1_0")), QStringLiteral("410"));
        QCOMPARE(text(editor, QStringLiteral("h1_8")), QStringLiteral("17"));
        QCOMPARE(program.context.state.course_record.at(53), QStringLiteral("388"));
    }

    // A nine-hole course chosen from the back nine of a new one: its front, and no other nine.
    void choosingACourseInEditMode()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {}), sampleCourse("Birch", {3}, false)});
        QVERIFY(editor);
        auto *nine = child<QAbstractButton>(editor, QStringLiteral("cmdf9"));
        click(editor, QStringLiteral("cmdf9"));
        click(editor, QStringLiteral("Option2_1"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("Edit"));
        QVERIFY(!entry(editor, QStringLiteral("txtNewName"))->isVisible());

        choose(editor, QStringLiteral("cboName"), 1);
        QCOMPARE(program.context.state.course_record, program.context.state.course_cache.at(1));
        QVERIFY(checked(editor, "Option1_0"));
        QVERIFY(!nine->isVisible());
        QCOMPARE(nine->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(texts(editor, QStringLiteral("p1_%1"), 0, 1), (QStringList {"3", "4"}));
        QCOMPARE(text(editor, QStringLiteral("yb1_9")), QStringLiteral("2745"));

        // Choosing Eighteen for a nine-hole course opens its back nine for typing.
        click(editor, QStringLiteral("Option1_1"));
        QVERIFY(nine->isVisible() && nine->isEnabled());

        // Back to New mode: the course stays on the grid, ready to be saved under a new name.
        const QStringList record = program.context.state.course_record;
        click(editor, QStringLiteral("Option2_0"));
        QVERIFY(entry(editor, QStringLiteral("txtNewName"))->isVisible());
        QCOMPARE(program.context.state.course_record, record);
        QCOMPARE(text(editor, QStringLiteral("yw1_0")), QStringLiteral("281"));
    }
};

QTEST_MAIN(CourseEditorTest)
#include "tst_course_editor.moc"
