#include "courses/frm_new_course.h"
#include "tests/courses/course_windows.h"
#include "tests/support/test_program.h"
#include "tests/support/x11_keys.h"

#include <QAbstractButton>
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

    static void typeAndEnter(QWidget *editor, const QString &box, const QString &keys, QWidget *expectedFocus)
    {
        typeInto(editor, box, keys);
        QTest::keyClick(entry(editor, box), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), expectedFocus);
    }

private Q_SLOTS:
    // New, the back nine typed apart from the front, Edit with a nine-hole course, New again and away.
    void modesAndNines()
    {
        TestProgram program;
        frmNewCourse *editor = openEditor(program, {sampleCourse("Elm", {}), sampleCourse("Birch", {3}, false)});
        QVERIFY(editor);
        QVERIFY(!shown(program, "frmCourse"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("New"));
        QVERIFY(checked(editor, "Option2_0") && checked(editor, "Option1_1"));
        QVERIFY(entry(editor, QStringLiteral("txtNewName"))->isVisible());
        QVERIFY(!child(editor, QStringLiteral("cboName"))->isVisible());
        QCOMPARE(program.context.state.course_record, QStringList(103, QStringLiteral("0")));
        // The rating boxes follow the grid in tab order.
        QWidget *box = entry(editor, QStringLiteral("h1_8"));
        QStringList names;
        while (names.size() < 7) {
            box = box->nextInFocusChain();
            if (box->focusPolicy() != Qt::NoFocus) {
                names.append(box->accessibleName());
            }
        }
        QCOMPARE(names,
                 (QStringList {"Blue course rating", "Blue slope rating", "White course rating", "White slope rating",
                               "Red course rating", "Red slope rating", "Back Nine"}));

        auto *nine = child<QAbstractButton>(editor, QStringLiteral("cmdf9"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("410"));
        typeAndEnter(editor, QStringLiteral("h1_8"), QStringLiteral("17"), nine);
        QTest::keyClick(nine, Qt::Key_Return);
        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(child<QGroupBox>(editor, QStringLiteral("fraf9"))->title(), QStringLiteral("Back Nine"));
        QCOMPARE(text(editor, QStringLiteral("lblH1")), QStringLiteral("10"));
        QCOMPARE(entry(editor, QStringLiteral("yb1_0"))->accessibleName(), QStringLiteral("Hole 10 blue yards"));
        QTRY_COMPARE(QApplication::focusWidget(), entry(editor, QStringLiteral("yb1_0")));
        QCOMPARE(text(editor, QStringLiteral("yb1_0")), QStringLiteral("0"));
        typeInto(editor, QStringLiteral("yb1_0"), QStringLiteral("388"));
        // Nine chosen while the back nine shows brings the front back: nothing typed goes out of sight.
        click(editor, QStringLiteral("Option1_0"));
        QCOMPARE(text(editor, QStringLiteral("lblH1")), QStringLiteral("1"));
        QCOMPARE(text(editor, QStringLiteral("yb1_0")), QStringLiteral("410"));
        QCOMPARE(text(editor, QStringLiteral("h1_8")), QStringLiteral("17"));
        click(editor, QStringLiteral("Option1_1"));
        click(editor, QStringLiteral("cmdf9"));
        QCOMPARE(text(editor, QStringLiteral("yb1_0")), QStringLiteral("388"));

        // A nine-hole course chosen from the back nine shows its front, with no other nine to go to.
        click(editor, QStringLiteral("Option2_1"));
        QCOMPARE(text(editor, QStringLiteral("lblNew")), QStringLiteral("Edit"));
        QVERIFY(!entry(editor, QStringLiteral("txtNewName"))->isVisible());
        choose(editor, QStringLiteral("cboName"), 1);
        QVERIFY(!nine->isVisible());
        QCOMPARE(nine->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(texts(editor, QStringLiteral("p1_%1"), 0, 1), (QStringList {"3", "4"}));
        typeAndEnter(editor, QStringLiteral("h1_8"), QString(), child(editor, QStringLiteral("cmdSaveData")));
        // Eighteen opens its back nine for typing.
        click(editor, QStringLiteral("Option1_1"));
        QVERIFY(nine->isVisible() && nine->isEnabled());

        // Back to New, the course stays on the grid to be saved under a new name, also while away.
        const QStringList record = program.context.state.course_record;
        click(editor, QStringLiteral("Option2_0"));
        QCOMPARE(program.context.state.course_record, record);
        click(editor, QStringLiteral("cmdViewCourse"));
        QWidget *viewer = shown(program, "frmCourse");
        QVERIFY(!editor->isVisible() && viewer);
        click(viewer, QStringLiteral("cmdNewCourseInfo"));
        editor->close();
        QWidget *main = shown(program, "frmMain");
        QVERIFY(!editor->isVisible() && main);
        click(main, QStringLiteral("cmdCourseInfo"));
        click(viewer, QStringLiteral("cmdNewCourseInfo"));
        QCOMPARE(text(editor, QStringLiteral("yw1_0")), QStringLiteral("281"));
    }

    // Keys typed faster than the editor takes them reach their boxes; Enter moves down each column,
    // through the total to the next; digits follow into the column total at once, other keys beep,
    // and the total takes no typing.
    void typing()
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
        typeInto(editor, QStringLiteral("yr1_8"), QString());
        x11_keys::burst(editor, QStringLiteral("\r\r"));
        QTRY_COMPARE(QApplication::focusWidget(), entry(editor, QStringLiteral("p1_0")));
        QLineEdit *total = entry(editor, QStringLiteral("yb1_9"));
        QLineEdit *box = entry(editor, QStringLiteral("yb1_1"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
        QCOMPARE(box->text(), QStringLiteral("366"));
        QCOMPARE(program.beeper.beeps, 1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(total->text(), QStringLiteral("448"));
        typeInto(editor, QStringLiteral("yb1_9"), QStringLiteral("7"));
        QCOMPARE(total->text(), QStringLiteral("448"));
    }
};

QTEST_MAIN(CourseEditorTest)
#include "tst_course_editor.moc"
