#include "bench/bench_timing.h"
#include "bench/scorebook_generator.h"
#include "core/records/round_layout.h"
#include "core/rules/golfer_removal.h"
#include "core/rules/round_totals.h"
#include "core/scorebook/datgolf.h"
#include "history/frm_view_pr.h"
#include "shell/window_registry.h"
#include "tests/support/fakes.h"
#include "ui/app_context.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

// The rounds table at household scale (100,000 rounds): opening the grid of
// prior rounds, deleting a golfer with their rounds, and saving one round,
// each beside the plain SQLite work it amounts to. Run under a display.

namespace {

struct Bench
{
    QTemporaryDir dir;
    QString master = dir.filePath(QStringLiteral("master.mdb"));
    QString path = dir.filePath(QStringLiteral("teedat2000.mdb"));

    // A fresh copy of the generated scorebook, so every run changes the same data.
    void freshCopy() const
    {
        QFile::remove(path);
        QFile::copy(master, path);
    }
};

double openGrid(const Bench &bench)
{
    FakeMessageBoxes messages;
    WindowRegistry windows([] {});
    AppContext context;
    context.places = program_paths::allIn(bench.dir.path());
    context.messages = &messages;
    context.windows = &windows;
    windows.addWindow(QStringLiteral("frmViewPR"), [&context] { return new frmViewPR(context); });
    return medianSeconds(7, [&] {
        FormWindow *grid = windows.show(QStringLiteral("frmViewPR"));
        if (!QTest::qWaitForWindowExposed(grid)) {
            std::fprintf(stderr, "the grid was not shown\n");
        }
        windows.unload(QStringLiteral("frmViewPR"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

double firstScreenful(const Bench &bench)
{
    return medianSeconds(7, [&] {
        SQLite::Database db(bench.path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement rows(db, "SELECT * FROM rounds ORDER BY rowid LIMIT 40");
        while (rows.executeStep()) {
            for (int c = 0; c < rows.getColumnCount(); ++c) {
                rows.getColumn(c).getText();
            }
        }
    });
}

double deleteGolfer(Bench &bench, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        bench.freshCopy();
        times.push_back(medianSeconds(1, work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QStringList sampleRound()
{
    QStringList record(round_layout::Entries, QStringLiteral("4"));
    record[round_layout::Course] = QStringLiteral("Course 3");
    record[round_layout::Golfer] = QStringLiteral("Golfer 8");
    record[round_layout::Date] = QStringLiteral("6/12/2026");
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Bench bench;
    const ScorebookSize size {50, 1000, 100000};
    if (const QString failure = generateScorebook(bench.master, size); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    bench.freshCopy();
    std::printf("scorebook: %d courses, %d golfers, %d rounds\n", size.courses, size.golfers, size.rounds);

    const double grid = openGrid(bench);
    report("open the prior-rounds grid", grid, "SQLite: first screenful", firstScreenful(bench), 0);
    std::printf("absolute target: under 0.2 s -> %s\n", grid < 0.2 ? "met" : "NOT met");

    const QString golfer = QStringLiteral("Golfer 7");
    const double removal = deleteGolfer(bench, [&] {
        DataControl golfers;
        golfers.setDatabaseName(bench.path);
        golfers.setRecordSource(QStringLiteral("golfers"));
        golfers.refresh();
        removeGolfer(golfers, golfer);
    });
    const double plainDelete = deleteGolfer(bench, [&] {
        SQLite::Database db(bench.path.toStdString(), SQLite::OPEN_READWRITE);
        SQLite::Statement remove(db, "DELETE FROM rounds WHERE upper(trim(golfer_name, ' ')) = 'GOLFER 7'");
        remove.exec();
    });
    report("delete a golfer with rounds", removal, "SQLite: one DELETE", plainDelete, 2.0);

    bench.freshCopy();
    const QStringList record = sampleRound();
    DataControl rounds;
    rounds.setDatabaseName(bench.path);
    rounds.setRecordSource(QStringLiteral("rounds"));
    rounds.refresh();
    const double save = medianSeconds(9, [&] { storeRound(rounds, record); });
    SQLite::Database db(bench.path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA synchronous = FULL");
    std::string marks = "?";
    for (int i = 1; i < 66; ++i) {
        marks += ", ?";
    }
    SQLite::Statement insert(db, "INSERT INTO rounds VALUES (NULL, " + marks + ")");
    const double bare = medianSeconds(9, [&] {
        for (int p = 1; p <= 66; ++p) {
            insert.bind(p, record.value(p).toStdString());
        }
        insert.exec();
        insert.reset();
    });
    report("save a round (durable)", save, "SQLite: one INSERT", bare, 0);
    return 0;
}
