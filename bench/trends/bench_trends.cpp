#include "bench/bench_timing.h"
#include "bench/scorebook_generator.h"
#include "core/scorebook/scorebook_layout.h"
#include "shell/window_catalog.h"
#include "shell/window_registry.h"
#include "ui/app_context.h"
#include "ui/form_window.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdio>
#include <string>

// Opening the trends window for a golfer with 500 dated rounds among the
// million of a club's scorebook (target under 0.2 s), against reading that
// golfer's rounds with one SQL query.
//
// bench_trends [CLUB.mdb]: the club's scorebook is made once with
// `teebook_generate CLUB.mdb 200 5000 1000000` (or here, when missing) and
// only copied, never changed.

namespace {

constexpr int golferRounds = 500;
const char *const golfer = "Trend Golfer";

class PrintedMessages : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *, const MessageRequest &request) override
    {
        std::printf("message: %s\n", qPrintable(request.text));
        return MessageAnswer::No;
    }
};

void addGolferRounds(const QString &path)
{
    SQLite::Database book(path.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction writing(book);
    book.exec("INSERT INTO golfers (golfer_name) VALUES ('Trend Golfer')");
    book.exec("INSERT OR REPLACE INTO tee_ratings VALUES ('Course 1', 'white', 71.3, 128)");
    std::string columns = "golfer_name, course_name, date";
    std::string marks = "?, 'Course 1', ''";
    for (int hole = 1; hole <= 18; ++hole) {
        columns += ", h" + std::to_string(hole) + ", put" + std::to_string(hole);
        marks += ", ?, ?";
    }
    SQLite::Statement round(book, "INSERT INTO rounds (" + columns + ") VALUES (" + marks + ")");
    SQLite::Statement details(book, "INSERT INTO round_details VALUES (?, 'white', ?, 0)");
    for (int r = 0; r < golferRounds; ++r) {
        round.reset();
        round.bind(1, golfer);
        for (int hole = 0; hole < 18; ++hole) {
            round.bind(2 + 2 * hole, 4 + (r + hole) % 3);
            round.bind(3 + 2 * hole, 1 + (r * hole) % 2);
        }
        round.exec();
        details.reset();
        details.bind(1, static_cast<int64_t>(book.getLastInsertRowid()));
        details.bind(2, QDate(2020, 1, 1).addDays(3 * r).toString(Qt::ISODate).toStdString());
        details.exec();
    }
    writing.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString club = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/teebook-club.mdb");
    if (!QFileInfo::exists(club)) {
        std::printf("generating %s (once)\n", qPrintable(club));
        if (const QString failure = generateScorebook(club, {200, 5000, 1000000}); !failure.isEmpty()) {
            std::printf("%s\n", qPrintable(failure));
            return 1;
        }
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("teedat2000.mdb"));
    if (!QFile::copy(club, path)) {
        std::printf("the club's scorebook could not be copied\n");
        return 1;
    }
    scorebook::bringUpToDate(path, QDate::currentDate()); // the index of golfers' rounds, as on start-up
    addGolferRounds(path);

    PrintedMessages messages;
    WindowRegistry windows([] {});
    AppContext context;
    context.places = program_paths::allIn(folder.path());
    context.messages = &messages;
    context.windows = &windows;
    registerWindows(windows, context);

    const auto open = [&] {
        FormWindow *trends = windows.show(QStringLiteral("frmTrends"));
        QMetaObject::invokeMethod(trends, "showGolfer", Q_ARG(QString, QString::fromLatin1(golfer)));
        app.processEvents();
        trends->hide();
    };
    const double first = medianSeconds(1, open);
    const double again = medianSeconds(5, open);

    SQLite::Database book(path.toStdString(), SQLite::OPEN_READONLY);
    const double query = medianSeconds(5, [&] {
        SQLite::Statement rounds(book,
                                 "SELECT r.*, d.played_on FROM rounds r LEFT JOIN round_details d"
                                 " ON d.record_no = r.record_no WHERE trim(r.golfer_name, ' ') = ?");
        rounds.bind(1, golfer);
        while (rounds.executeStep()) { }
    });
    std::printf("%d rounds of one golfer among %lld; target for opening the window: under 0.200 s\n", golferRounds,
                static_cast<long long>(book.execAndGet("SELECT count(*) FROM rounds").getInt64()));
    report("trends window, first opening", first, "SQL query of the rounds", query, 0.2);
    report("trends window, opened again", again, "SQL query of the rounds", query, 0.2);
    return 0;
}
