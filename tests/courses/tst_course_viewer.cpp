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
    // A row of the card as seen: the nine hole cells, then the nine total, then the 18-hole total.
    static QStringList row(QWidget *viewer, const char *array, const char *nineTotal, const char *total)
    {
        return texts(viewer, QString::fromLatin1(array) + QStringLiteral("_%1"), 0, 8)
            << text(viewer, QString::fromLatin1(nineTotal)) << text(viewer, QString::fromLatin1(total));
    }

    static QStringList holeLabels(QWidget *viewer)
    {
        return texts(viewer, QStringLiteral("lblHole%1"), 1, 9) << text(viewer, QStringLiteral("lblInOut"));
    }

    static QAbstractButton *nineSwitch(QWidget *viewer)
    {
        return viewer->findChild<QAbstractButton *>(QStringLiteral("cmdNine"));
    }

private Q_SLOTS:
    void opensWithPromptCaptionsAndPicturesAndLeaves()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {sampleCourse("Pine", {}), sampleCourse("Oak", {}, false)});
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Enter New or Update Selected Course Information"));
        auto *list = viewer->findChild<QComboBox *>(QStringLiteral("cboCourse"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(1), QStringLiteral("Oak"));
        QCOMPARE(list->currentText(), QStringLiteral("Select Course"));
        QVERIFY(!nineSwitch(viewer)->isEnabled());
        for (const auto &[name, tip] : {std::pair {"cmdNine", " View the Back Nine Information "},
                                        {"cmdNewCourseInfo", " Enter a New Course or Edit an Existing Course "},
                                        {"cmdExit", " Back to the Main Menu "},
                                        {"cmdHelp", " Click Here for HELP "}}) {
            auto *button = viewer->findChild<QAbstractButton *>(QString::fromLatin1(name));
            QVERIFY2(button->isVisible(), name);
            QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
        }
        QCOMPARE(viewer->findChild<QAbstractButton *>(QStringLiteral("cmdNewCourseInfo"))->text(),
                 QStringLiteral("&Enter New or Edit a Course"));
        for (const char *picture : {"imgAd1", "imgAd2"}) {
            auto *strip = viewer->findChild<PictureBox *>(QString::fromLatin1(picture));
            QVERIFY2(strip->isVisible() && !strip->picture().isNull(), picture);
        }
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot"), QStringList(11, QStringLiteral("0")));

        click(viewer, QStringLiteral("cmdHelp"));
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});
        viewer->close();
        QVERIFY(!viewer->isVisible());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }

    void choosingACourseFillsItsFrontNine_data()
    {
        QTest::addColumn<bool>("eighteen");
        QTest::addColumn<QString>("blueTotal");
        QTest::addColumn<QString>("parTotal");
        QTest::newRow("eighteen holes") << true << QStringLiteral("5571") << QStringLiteral("72");
        QTest::newRow("nine holes: totals are the front's") << false << QStringLiteral("2745") << QStringLiteral("36");
    }
    void choosingACourseFillsItsFrontNine()
    {
        QFETCH(bool, eighteen);
        QFETCH(QString, blueTotal);
        QFETCH(QString, parTotal);
        TestProgram program;
        frmCourse *viewer = openViewer(
            program, {sampleCourse("Elm", {}), sampleCourse("Birch", {4, 3, 5, 4, 4, 3, 4, 5, 4}, eighteen)});
        QVERIFY(viewer);
        choose(viewer, QStringLiteral("cboCourse"), 1);
        QCOMPARE(program.context.state.course_index, 1);
        QCOMPARE(nineSwitch(viewer)->isEnabled(), eighteen);
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot"), numbers(301, 9) << "2745" << blueTotal);
        QCOMPARE(row(viewer, "lblw1", "lblwy", "lblwtot").first(), QStringLiteral("281"));
        QCOMPARE(row(viewer, "lblr1", "lblry", "lblrtot").at(8), QStringLiteral("259"));
        QCOMPARE(row(viewer, "lblp1", "lblpf9", "lblptot"),
                 (QStringList {"4", "3", "5", "4", "4", "3", "4", "5", "4", "36", parTotal}));
        QCOMPARE(texts(viewer, QStringLiteral("lblh1_%1"), 0, 8), numbers(1, 9));
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
    }

    // Choosing another course while the back nine is shown opens it on its front.
    void nineSwitchShowsTheBackNineAndReturns()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {sampleCourse("Pine", {}), sampleCourse("Oak", {}, false)});
        QVERIFY(viewer);
        choose(viewer, QStringLiteral("cboCourse"), 0);
        const QStringList front = row(viewer, "lblw1", "lblwy", "lblwtot");
        click(viewer, QStringLiteral("cmdNine"));
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nineSwitch(viewer)->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(holeLabels(viewer), numbers(10, 9) << "IN");
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot"),
                 numbers(310, 9) << "2826"
                                 << "5571");
        QCOMPARE(text(viewer, QStringLiteral("lblh1_8")), QStringLiteral("18"));

        click(viewer, QStringLiteral("cmdNine"));
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
        QCOMPARE(row(viewer, "lblw1", "lblwy", "lblwtot"), front);

        click(viewer, QStringLiteral("cmdNine"));
        choose(viewer, QStringLiteral("cboCourse"), 1);
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot").first(), QStringLiteral("301"));
        QVERIFY(!nineSwitch(viewer)->isEnabled());

        // Leaving on the back nine and coming back: the card is cleared.
        choose(viewer, QStringLiteral("cboCourse"), 0);
        click(viewer, QStringLiteral("cmdNine"));
        click(viewer, QStringLiteral("cmdExit"));
        QWidget *main = program.windows.loaded(QStringLiteral("frmMain"));
        QVERIFY(!viewer->isVisible() && main->isVisible());
        click(main, QStringLiteral("cmdCourseInfo"));
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->findChild<QComboBox *>(QStringLiteral("cboCourse"))->currentText(),
                 QStringLiteral("Select Course"));
        const QStringList card = row(viewer, "lblb1", "lblby", "lblbtot") + row(viewer, "lblw1", "lblwy", "lblwtot")
            + row(viewer, "lblr1", "lblry", "lblrtot") + row(viewer, "lblp1", "lblpf9", "lblptot");
        QCOMPARE(card, QStringList(44, QStringLiteral("0")));
        QCOMPARE(text(viewer, QStringLiteral("lblh1_4")), QStringLiteral("0"));
        // There is no other nine to show; the labels stay as they were.
        QVERIFY(!nineSwitch(viewer)->isEnabled());
        QCOMPARE(holeLabels(viewer), numbers(10, 9) << "IN");
    }
};

QTEST_MAIN(CourseViewerTest)
#include "tst_course_viewer.moc"
