#include "core/records/course_layout.h"
#include "courses/frm_course.h"
#include "tests/courses/course_windows.h"
#include "tests/support/test_program.h"
#include "ui/picture_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QtTest>

using namespace course_windows;

// The course card viewer, driven from the main menu as a golfer uses it.
class CourseViewerTest : public QObject
{
    Q_OBJECT

private:
    // The blue row as seen: the nine hole cells, the nine total, the 18-hole total.
    static QStringList blueRow(QWidget *viewer)
    {
        return texts(viewer, QStringLiteral("lblb1_%1"), 0, 8)
            << text(viewer, QStringLiteral("lblby")) << text(viewer, QStringLiteral("lblbtot"));
    }

private Q_SLOTS:
    // More than fifty courses, each listed; a hole shows its stored text; the nine switch goes to
    // the back nine and returns, a nine-hole course has none; coming back from the menu clears the card.
    void showsTheCoursesAndTheirNines()
    {
        TestProgram program;
        QList<QStringList> courses {sampleCourse("Pine", {}), sampleCourse("Oak", {}, false)};
        for (int i = 2; i < 53; ++i) {
            courses.append(sampleCourse(QStringLiteral("Course %1").arg(i), {}));
        }
        courses.last()[course_layout::holeIndex(1, course_layout::Blue)] = QStringLiteral("n/a");
        frmCourse *viewer = openViewer(program, courses);
        QVERIFY(viewer);
        auto *list = child<QComboBox>(viewer, QStringLiteral("cboCourse"));
        QCOMPARE(list->count(), 53);
        choose(viewer, QStringLiteral("cboCourse"), 52);
        QCOMPARE(text(viewer, QStringLiteral("lblb1_0")), QStringLiteral("n/a"));
        for (const char *picture : {"imgAd1", "imgAd2"}) {
            auto *strip = child<PictureBox>(viewer, QString::fromLatin1(picture));
            QVERIFY2(strip->isVisible() && !strip->picture().isNull(), picture);
        }
        click(viewer, QStringLiteral("cmdHelp"));
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});

        choose(viewer, QStringLiteral("cboCourse"), 0);
        QCOMPARE(blueRow(viewer).mid(8), (QStringList {"309", "2745", "5571"}));
        auto *nine = child<QAbstractButton>(viewer, QStringLiteral("cmdNine"));
        click(viewer, QStringLiteral("cmdNine"));
        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(text(viewer, QStringLiteral("lblHole1")), QStringLiteral("10"));
        QCOMPARE(text(viewer, QStringLiteral("lblInOut")), QStringLiteral("IN"));
        QCOMPARE(blueRow(viewer).mid(8), (QStringList {"318", "2826", "5571"}));
        click(viewer, QStringLiteral("cmdNine"));
        QCOMPARE(text(viewer, QStringLiteral("lblHole1")), QStringLiteral("1"));

        click(viewer, QStringLiteral("cmdNine"));
        choose(viewer, QStringLiteral("cboCourse"), 1);
        QCOMPARE(text(viewer, QStringLiteral("lblInOut")), QStringLiteral("OUT"));
        QCOMPARE(nine->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(text(viewer, QStringLiteral("lblbtot")), QStringLiteral("2745")); // nine holes: the front's
        QVERIFY(!nine->isEnabled());

        choose(viewer, QStringLiteral("cboCourse"), 0);
        click(viewer, QStringLiteral("cmdExit"));
        QWidget *main = shown(program, "frmMain");
        QVERIFY(!viewer->isVisible() && main);
        click(main, QStringLiteral("cmdCourseInfo"));
        QCOMPARE(list->currentText(), QStringLiteral("Select Course"));
        QCOMPARE(blueRow(viewer), QStringList(11, QStringLiteral("0")));
        QCOMPARE(text(viewer, QStringLiteral("lblp1_4")), QStringLiteral("0"));
        QVERIFY(!nine->isEnabled());
        viewer->close();
        QVERIFY(!viewer->isVisible() && main->isVisible());
    }
};

QTEST_MAIN(CourseViewerTest)
#include "tst_course_viewer.moc"
