#include "bench/handicap/handicap_window_timing.h"

#include "bench/bench_timing.h"
#include "bench/scorebook_generator.h"
#include "core/scorebook/scorebook_layout.h"
#include "handicap/frm_handicap.h"
#include "shell/window_registry.h"
#include "tests/support/fakes.h"
#include "ui/app_context.h"
#include "ui/list_loaders.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdio>

namespace {

const QString golfer = QStringLiteral("Golfer 1");

// The generator writes neither ratings nor round details: a realistic golfer
// has both, so every tee of every course is rated and the golfer's rounds get
// a tee and a day, a few days apart.
void rateAndDate(const QString &path)
{
    SQLite::Database book(path.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction writing(book);
    book.exec("INSERT OR REPLACE INTO tee_ratings SELECT course_name, 'white', 71.3, 128 FROM courseinfo");
    book.exec("INSERT OR REPLACE INTO tee_ratings SELECT course_name, 'blue', 73.1, 135 FROM courseinfo");
    SQLite::Statement rounds(book, "SELECT record_no FROM rounds WHERE golfer_name = ? ORDER BY record_no");
    rounds.bind(1, golfer.toStdString());
    SQLite::Statement details(book, "INSERT OR REPLACE INTO round_details VALUES (?, 'white', ?, 0)");
    for (int day = 0; rounds.executeStep(); day += 3) {
        details.reset();
        details.bind(1, rounds.getColumn(0).getInt64());
        details.bind(2, QDate(2024, 1, 1).addDays(day).toString(Qt::ISODate).toStdString());
        details.exec();
    }
    writing.commit();
}

// The menu's golfer list, as at start-up.
void loadGolfers(AppContext &context, const QString &path)
{
    SQLite::Database book(path.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement names(book, "SELECT golfer_name FROM golfers ORDER BY rowid");
    QStringList golfers;
    while (names.executeStep()) {
        golfers.append(QString::fromStdString(names.getColumn(0).getString()));
    }
    context.pickLists.setGolfers(golfers);
}

} // namespace

int timeHandicapWindow(const QString &clubScorebook)
{
    QTemporaryDir folder;
    AppContext context;
    context.places = program_paths::allIn(folder.path());
    const QString path = context.databasePath();
    if (clubScorebook.isEmpty()) {
        std::printf("generating a club-size scorebook ...\n");
        const QString failure = generateScorebook(path, {200, 5000, 1000000});
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return 1;
        }
    } else if (!QFile::copy(clubScorebook, path)) {
        std::fprintf(stderr, "%s could not be copied\n", qPrintable(clubScorebook));
        return 1;
    }
    // As at the program's start: later parts of the layout are added first.
    const scorebook::LayoutResult layout = scorebook::bringUpToDate(path, QDate::currentDate());
    if (layout.outcome == scorebook::LayoutOutcome::Failed) {
        std::fprintf(stderr, "%s\n", qPrintable(layout.problem));
        return 1;
    }
    rateAndDate(path);

    FakeMessageBoxes messages;
    WindowRegistry windows([] {});
    context.messages = &messages;
    context.windows = &windows;
    loadGolfers(context, path);
    windows.addWindow(QStringLiteral("frmHandicap"), [&context] { return new frmHandicap(context); });

    QString index;
    const double window = medianSeconds(7, [&] {
        FormWindow *shown = windows.show(QStringLiteral("frmHandicap"));
        dynamic_cast<GolferChooser *>(shown)->chooseGolfer(golfer);
        if (!QTest::qWaitForWindowExposed(shown)) {
            std::fprintf(stderr, "the handicap window was not shown\n");
        }
        index = shown->findChild<QLabel *>(QStringLiteral("lblIndex"))->text();
        windows.unload(QStringLiteral("frmHandicap"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    const double empty = medianSeconds(7, [] {
        QWidget blank;
        blank.resize(1100, 700);
        blank.show();
        if (!QTest::qWaitForWindowExposed(&blank)) {
            std::fprintf(stderr, "the empty window was not shown\n");
        }
    });
    std::printf("%s: Handicap Index %s, with messages %lld\n", qPrintable(golfer), qPrintable(index),
                static_cast<long long>(messages.shown.size()));
    report("open the handicap window", window, "an empty window shown", empty, 0);
    std::printf("absolute target: under 0.1 s -> %s\n", window < 0.1 ? "met" : "NOT met");
    return 0;
}
