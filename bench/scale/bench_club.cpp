#include "bench/launch_child.h"
#include "bench/scorebook_generator.h"
#include "core/rules/golfer_removal.h"
#include "core/rules/statistics.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/round_reading.h"
#include "core/scorebook/scorebook_layout.h"
#include "history/frm_view_pr.h"
#include "shell/teebook_program.h"
#include "shell/window_registry.h"
#include "tests/support/fakes.h"
#include "ui/app_context.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

// A golf club's scorebook (200 courses, 5,000 golfers, 1,000,000 rounds): each
// scale target, measured beside a baseline of the same run.
//   bench_club [SCOREBOOK]   a copy of SCOREBOOK is used; without it one is generated.
// Run under a display (xvfb-run -a) or with QT_QPA_PLATFORM=offscreen.

namespace {

void verdict(const char *what, bool met)
{
    std::printf("  target %-52s %s\n", what, met ? "met" : "NOT met");
}

double statisticsSeconds(const QString &path)
{
    DataControl rounds;
    rounds.setDatabaseName(path);
    rounds.setRecordSource(QStringLiteral("rounds"));
    int golfer = 0;
    return medianSeconds(9, [&] {
        rounds.refresh();
        if (!rounds.isEmpty()) {
            computeStats(
                readRoundsPlayedBy(rounds, QStringLiteral("Golfer %1").arg(golfer++), QStringLiteral("Course 7")));
        }
    });
}

double plainStatisticsQuery(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    return medianSeconds(9, [&] {
        SQLite::Statement rows(db, "SELECT * FROM rounds WHERE golfer_name = 'Golfer 3' AND course_name = 'Course 7'");
        while (rows.executeStep()) { }
    });
}

double golferRemovalSeconds(const QString &path, int *roundsRemoved)
{
    constexpr int FirstGolfer = 100;
    constexpr int Runs = 5;
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement count(db,
                                "SELECT count(*) FROM rounds WHERE trim(golfer_name, ' ') IN "
                                "('Golfer 100', 'Golfer 101', 'Golfer 102', 'Golfer 103', 'Golfer 104')");
        count.executeStep();
        *roundsRemoved = count.getColumn(0).getInt() / Runs;
    }
    DataControl golfers;
    golfers.setDatabaseName(path);
    golfers.setRecordSource(QStringLiteral("golfers"));
    int golfer = FirstGolfer;
    return medianSeconds(Runs, [&] {
        golfers.refresh();
        removeGolfer(golfers, QStringLiteral("Golfer %1").arg(golfer++));
    });
}

struct GridTimes
{
    double open = 0;
    double toEnd = 0;
};

GridTimes gridSeconds(const QString &programDir)
{
    FakeMessageBoxes messages;
    WindowRegistry windows([] {});
    AppContext context;
    context.places = program_paths::allIn(programDir);
    context.messages = &messages;
    context.windows = &windows;
    windows.addWindow(QStringLiteral("frmViewPR"), [&context] { return new frmViewPR(context); });
    GridTimes times;
    times.open = medianSeconds(5, [&] {
        FormWindow *grid = windows.show(QStringLiteral("frmViewPR"));
        if (!QTest::qWaitForWindowExposed(grid)) {
            std::fprintf(stderr, "the grid was not shown\n");
        }
        grid->repaint();
        windows.unload(QStringLiteral("frmViewPR"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    FormWindow *grid = windows.show(QStringLiteral("frmViewPR"));
    if (!QTest::qWaitForWindowExposed(grid)) {
        std::fprintf(stderr, "the grid was not shown\n");
    }
    auto *table = grid->findChild<QTableView *>();
    times.toEnd = medianSeconds(5, [&] {
        table->scrollToTop();
        table->viewport()->repaint();
        table->scrollToBottom();
        table->viewport()->repaint();
    });
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto child = runLaunchChild(argc, argv)) {
        return *child;
    }

    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("teedat2000.mdb"));
    if (argc == 2) {
        if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path)) {
            std::fprintf(stderr, "cannot copy %s\n", argv[1]);
            return 1;
        }
    } else if (const QString failure = generateScorebook(path, {200, 5000, 1000000}); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    // A scorebook from before the indexes gets them once, on its first opening.
    QElapsedTimer upgrade;
    upgrade.start();
    const auto layout = scorebook::bringUpToDate(path, QDate::currentDate());
    std::printf("first opening brought the layout up to date in %.2f s (%s)\n", upgrade.nsecsElapsed() / 1e9,
                layout.outcome == scorebook::LayoutOutcome::Updated ? "updated" : "already current");
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        std::printf("scorebook: %d courses, %d golfers, %d rounds\n",
                    db.execAndGet("SELECT count(*) FROM courseinfo").getInt(),
                    db.execAndGet("SELECT count(*) FROM golfers").getInt(),
                    db.execAndGet("SELECT count(*) FROM rounds").getInt());
    }

    const double empty = launchSeconds({QStringLiteral("--empty")});
    const double menu = launchSeconds({QStringLiteral("--menu"), dir.path()});
    report("launch to visible main menu", menu, "launch to empty window", empty, 2.5);
    verdict("launch under 2.5 x an empty window", menu < 2.5 * empty);

    const long emptyPeak = childPeakKilobytes({QStringLiteral("--empty")});
    const long menuPeak = childPeakKilobytes({QStringLiteral("--menu"), dir.path()});
    std::printf("peak memory: main menu %ld KiB, empty window %ld KiB, ratio %.2f (target < 2.0)\n", menuPeak,
                emptyPeak, emptyPeak > 0 ? double(menuPeak) / emptyPeak : 0.0);
    verdict("peak memory under 2 x an empty window", menuPeak < 2 * emptyPeak);

    const double stats = statisticsSeconds(path);
    report("statistics, one golfer on one course", stats, "SQLite: the same rounds unindexed",
           plainStatisticsQuery(path), 0);
    verdict("statistics under 50 ms", stats < 0.050);

    int removed = 0;
    const double removal = golferRemovalSeconds(path, &removed);
    std::printf("deleting a golfer with %d rounds (on average): %.4f s\n", removed, removal);
    verdict("deleting a golfer with about 200 rounds under 50 ms", removal < 0.050);

    const GridTimes grid = gridSeconds(dir.path());
    std::printf("previous-rounds grid: opening %.4f s, scrolling to its end %.4f s\n", grid.open, grid.toEnd);
    verdict("opening the grid under 100 ms", grid.open < 0.100);
    verdict("scrolling the grid to its end under 100 ms", grid.toEnd < 0.100);
    return 0;
}
