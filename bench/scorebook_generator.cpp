#include "bench/scorebook_generator.h"

#include "core/records/course_layout.h"
#include "core/scorebook/scorebook_file.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <random>

namespace {

std::string placeholders(int count)
{
    std::string marks;
    for (int i = 0; i < count; ++i) {
        marks += i == 0 ? "?" : ", ?";
    }
    return marks;
}

std::vector<std::array<int, 18>> writeCourses(SQLite::Database &db, int courses, std::mt19937 &random)
{
    using namespace course_layout;
    std::vector<std::array<int, 18>> pars;
    SQLite::Statement insert(db, "INSERT INTO courseinfo VALUES (" + placeholders(Fields) + ")");
    std::uniform_int_distribution<int> parOf(0, 17);
    for (int c = 0; c < courses; ++c) {
        std::array<int, 18> coursePars {};
        std::vector<int> values(Fields, 0);
        int totals[2][4] = {};
        for (int hole = 1; hole <= 18; ++hole) {
            const int r = parOf(random);
            const int par = r < 4 ? 3 : r < 14 ? 4 : 5;
            const int blue = par == 3 ? 150 + 3 * r : par == 4 ? 340 + 4 * r : 480 + 3 * r;
            const int hole_values[] = {blue, blue - 20, blue - 45, par, (hole * 7) % 18 + 1};
            for (int v = Blue; v <= Handicap; ++v) {
                values[holeIndex(hole, Value(v))] = hole_values[v];
                if (v <= Par) {
                    totals[hole > 9][v] += hole_values[v];
                }
            }
            coursePars[hole - 1] = par;
        }
        for (int v = Blue; v <= Par; ++v) {
            values[frontTotalIndex(Value(v))] = totals[0][v];
            values[backTotalIndex(Value(v))] = totals[1][v];
        }
        insert.bind(1, c);
        insert.bind(2, "Course " + std::to_string(c));
        insert.bind(3, 1);
        for (int index = 3; index < Fields; ++index) {
            insert.bind(index + 1, values[index]);
        }
        insert.exec();
        insert.reset();
        pars.push_back(coursePars);
    }
    return pars;
}

} // namespace

QString generateScorebook(const QString &path, const ScorebookSize &size, unsigned seed)
{
    const QString created = scorebook::createEmpty(path);
    if (!created.isEmpty()) {
        return created;
    }
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        std::mt19937 random(seed);
        SQLite::Transaction transaction(db);
        const auto pars = writeCourses(db, size.courses, random);

        SQLite::Statement golfer(db, "INSERT INTO golfers (golfer_name) VALUES (?)");
        for (int g = 0; g < size.golfers; ++g) {
            golfer.bind(1, "Golfer " + std::to_string(g));
            golfer.exec();
            golfer.reset();
        }

        // 66 fields after the record number, in stored order.
        SQLite::Statement round(db, "INSERT INTO rounds VALUES (NULL, " + placeholders(66) + ")");
        std::uniform_int_distribution<int> golferOf(0, std::max(0, size.golfers - 1));
        std::uniform_int_distribution<int> courseOf(0, std::max(0, size.courses - 1));
        std::uniform_int_distribution<int> overPar(-1, 3);
        std::uniform_int_distribution<int> puttsOf(1, 3);
        std::uniform_int_distribution<int> dayOf(1, 28);
        for (int r = 0; r < size.rounds; ++r) {
            const int course = courseOf(random);
            int strokes[18], putts[18];
            int sums[3][2] = {};
            for (int h = 0; h < 18; ++h) {
                strokes[h] = std::max(1, pars[course][h] + overPar(random));
                putts[h] = std::min(strokes[h], puttsOf(random));
                sums[0][h / 9] += strokes[h];
                sums[1][h / 9] += pars[course][h];
                sums[2][h / 9] += putts[h];
            }
            int p = 1;
            round.bind(p++, "Golfer " + std::to_string(golferOf(random)));
            round.bind(p++, "Course " + std::to_string(course));
            round.bind(p++, std::to_string(1 + r % 12) + "/" + std::to_string(dayOf(random)) + "/2026");
            const int *series[] = {strokes, pars[course].data(), putts};
            for (int s = 0; s < 3; ++s) {
                for (int h = 0; h < 9; ++h) {
                    round.bind(p++, series[s][h]);
                }
                round.bind(p++, sums[s][0]);
                for (int h = 9; h < 18; ++h) {
                    round.bind(p++, series[s][h]);
                }
                round.bind(p++, sums[s][1]);
                round.bind(p++, sums[s][0] + sums[s][1]);
            }
            round.exec();
            round.reset();
        }
        transaction.commit();
    } catch (const SQLite::Exception &e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}
