#include "app/picture_box.h"
#include "courses/frm_course.h"
#include "tests/support/test_program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

// The course card viewer, driven from the main menu as a golfer uses it.
class CourseViewerTest : public QObject
{
    Q_OBJECT

private:
    // Starts the program with the given courses and opens the viewer from the menu.
    static frmCourse *openViewer(TestProgram &program, const QList<QStringList> &courses)
    {
        for (const QStringList &course : courses) {
            program.addCourse(course);
        }
        QWidget *main = program.startUp();
        main->show();
        click(main, "cmdCourseInfo");
        auto *viewer = qobject_cast<frmCourse *>(program.windows.loaded(QStringLiteral("frmCourse")));
        return viewer && viewer->isVisible() ? viewer : nullptr;
    }

    static void click(QWidget *window, const char *name)
    {
        auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
        QVERIFY2(button && button->isVisible() && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void choose(QWidget *window, int index)
    {
        auto *list = window->findChild<QComboBox *>(QStringLiteral("cboCourse"));
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    static QString cell(QWidget *window, const QString &name) { return window->findChild<QLabel *>(name)->text(); }

    // A row of the card as seen: the nine hole cells, then the nine total, then the 18-hole total.
    static QStringList row(QWidget *window, const char *array, const char *nineTotal, const char *total)
    {
        QStringList cells;
        for (int i = 0; i < 9; ++i) {
            cells.append(cell(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i)));
        }
        cells << cell(window, QString::fromLatin1(nineTotal)) << cell(window, QString::fromLatin1(total));
        return cells;
    }

    static QStringList holeLabels(QWidget *window)
    {
        QStringList labels;
        for (int i = 1; i <= 9; ++i) {
            labels.append(cell(window, QStringLiteral("lblHole%1").arg(i)));
        }
        labels.append(cell(window, QStringLiteral("lblInOut")));
        return labels;
    }

    static QStringList numbers(int first, int count)
    {
        QStringList values;
        for (int i = 0; i < count; ++i) {
            values.append(QString::number(first + i));
        }
        return values;
    }

    static QAbstractButton *nineSwitch(QWidget *window)
    {
        return window->findChild<QAbstractButton *>(QStringLiteral("cmdNine"));
    }

private Q_SLOTS:
    void opensWithPromptCaptionsAndPictures()
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
        const QList<QPair<const char *, const char *>> buttons
            = {{"cmdNine", " View the Back Nine Information "},
               {"cmdNewCourseInfo", " Enter a New Course or Edit an Existing Course "},
               {"cmdExit", " Back to the Main Menu "},
               {"cmdHelp", " Click Here for HELP "}};
        for (const auto &[name, tip] : buttons) {
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
    }

    void choosingACourseFillsItsFrontNine_data()
    {
        QTest::addColumn<bool>("eighteen");
        QTest::addColumn<QString>("blueTotal");
        QTest::addColumn<QString>("parTotal");
        QTest::newRow("eighteen holes") << true << "5571"
                                        << "72";
        QTest::newRow("nine holes: totals are the front's") << false << "2745"
                                                            << "36";
    }
    void choosingACourseFillsItsFrontNine()
    {
        QFETCH(bool, eighteen);
        QFETCH(QString, blueTotal);
        QFETCH(QString, parTotal);
        TestProgram program;
        QList<int> pars = {4, 3, 5, 4, 4, 3, 4, 5, 4};
        frmCourse *viewer = openViewer(program, {sampleCourse("Elm", {}), sampleCourse("Birch", pars, eighteen)});
        QVERIFY(viewer);
        choose(viewer, 1);
        QCOMPARE(program.context.state.course_index, 1);
        QCOMPARE(nineSwitch(viewer)->isEnabled(), eighteen);
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot"), numbers(301, 9) << "2745" << blueTotal);
        QCOMPARE(row(viewer, "lblw1", "lblwy", "lblwtot").first(), QStringLiteral("281"));
        QCOMPARE(row(viewer, "lblr1", "lblry", "lblrtot").at(8), QStringLiteral("259"));
        QStringList parRow;
        for (int par : pars) {
            parRow.append(QString::number(par));
        }
        QCOMPARE(row(viewer, "lblp1", "lblpf9", "lblptot"), parRow << "36" << parTotal);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(cell(viewer, QStringLiteral("lblh1_%1").arg(i)), QString::number(i + 1));
        }
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
    }

    void nineSwitchShowsTheBackNineAndReturns()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {sampleCourse("Pine", {})});
        QVERIFY(viewer);
        choose(viewer, 0);
        const QStringList front = row(viewer, "lblw1", "lblwy", "lblwtot");

        click(viewer, "cmdNine");
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(holeLabels(viewer), numbers(10, 9) << "IN");
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot"),
                 numbers(310, 9) << "2826"
                                 << "5571");
        QCOMPARE(cell(viewer, QStringLiteral("lblh1_8")), QStringLiteral("18"));

        click(viewer, "cmdNine");
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
        QCOMPARE(row(viewer, "lblw1", "lblwy", "lblwtot"), front);
    }

    void anotherCourseChosenOnTheBackNineOpensOnItsFront()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {sampleCourse("Pine", {}), sampleCourse("Oak", {}, false)});
        QVERIFY(viewer);
        choose(viewer, 0);
        click(viewer, "cmdNine");
        choose(viewer, 1);
        QCOMPARE(holeLabels(viewer), numbers(1, 9) << "OUT");
        QCOMPARE(nineSwitch(viewer)->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(row(viewer, "lblb1", "lblby", "lblbtot").first(), QStringLiteral("301"));
        QVERIFY(!nineSwitch(viewer)->isEnabled());
    }

    void comingBackClearsTheCard()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {sampleCourse("Pine", {})});
        QVERIFY(viewer);
        choose(viewer, 0);
        click(viewer, "cmdNine");
        click(viewer, "cmdExit");
        QWidget *main = program.windows.loaded(QStringLiteral("frmMain"));
        QVERIFY(!viewer->isVisible());
        QVERIFY(main->isVisible());

        click(main, "cmdCourseInfo");
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->findChild<QComboBox *>(QStringLiteral("cboCourse"))->currentText(),
                 QStringLiteral("Select Course"));
        for (const auto &[array, nine, total] : {std::tuple {"lblb1", "lblby", "lblbtot"},
                                                 {"lblw1", "lblwy", "lblwtot"},
                                                 {"lblr1", "lblry", "lblrtot"},
                                                 {"lblp1", "lblpf9", "lblptot"}}) {
            QCOMPARE(row(viewer, array, nine, total), QStringList(11, QStringLiteral("0")));
        }
        QCOMPARE(cell(viewer, QStringLiteral("lblh1_4")), QStringLiteral("0"));
        // The card is empty, so there is no other nine to show; the labels stay as they were.
        QVERIFY(!nineSwitch(viewer)->isEnabled());
        QCOMPARE(holeLabels(viewer), numbers(10, 9) << "IN");
    }

    void frameCloseLeavesForTheMenuAndHelpStartsTheViewer()
    {
        TestProgram program;
        frmCourse *viewer = openViewer(program, {});
        QVERIFY(viewer);
        click(viewer, "cmdHelp");
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});
        viewer->close();
        QVERIFY(!viewer->isVisible());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }
};

QTEST_MAIN(CourseViewerTest)
#include "tst_course_viewer.moc"
