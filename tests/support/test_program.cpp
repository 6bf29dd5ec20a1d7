#include "tests/support/test_program.h"

#include "core/records/course_layout.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_file.h"
#include "shell/frm_main.h"
#include "shell/window_catalog.h"
#include "ui/busy_question.h"

#include <QtTest>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

TestProgram::TestProgram()
    : windows([this] { ++endRequests; })
{
    QVERIFY(folder.isValid());
    context.places = program_paths::allIn(folder.path());
    context.messages = &messages;
    context.launcher = &launcher;
    context.beeper = &beeper;
    context.clock = &clock;
    context.files = &files;
    context.printPreview = &printPreview;
    context.makeSoundDevice = [this] { return std::make_unique<FakeSoundDevice>(&soundsPlayed); };
    context.windows = &windows;
    registerWindows(windows, context);
    askWhenScorebookBusy(messages);
    QCOMPARE(scorebook::createEmpty(context.databasePath()), QString());
}

TestProgram::~TestProgram()
{
    stopAskingWhenScorebookBusy();
}

FormWindow *TestProgram::startUp()
{
    auto *main = new frmMain(context);
    windows.adopt(main);
    main->Form_Load();
    return main;
}

std::unique_ptr<DataControl> TestProgram::open(const QString &table) const
{
    auto data = std::make_unique<DataControl>();
    data->setDatabaseName(context.databasePath());
    data->setRecordSource(table);
    data->refresh();
    return data;
}

void TestProgram::changeFromOutside(const QString &sql) const
{
    SQLite::Database other(context.databasePath().toStdString(), SQLite::OPEN_READWRITE);
    other.exec(sql.toStdString());
}

QStringList TestProgram::query(const char *sql) const
{
    SQLite::Database book(context.databasePath().toStdString());
    SQLite::Statement rows(book, sql);
    QStringList found;
    while (rows.executeStep()) {
        QStringList values;
        for (int column = 0; column < rows.getColumnCount(); ++column) {
            values.append(QString::fromUtf8(rows.getColumn(column).getText()));
        }
        found.append(values.join(QLatin1Char(' ')));
    }
    return found;
}

void TestProgram::addCourse(const QStringList &courseRecord)
{
    QHash<QString, QString> fields;
    for (int index = 0; index < course_layout::Fields; ++index) {
        fields.insert(course_layout::fieldName(index), courseRecord.value(index));
    }
    addRecord(QStringLiteral("courseinfo"), fields);
}

void TestProgram::addGolfer(const QString &name)
{
    addRecord(QStringLiteral("golfers"), {{QStringLiteral("golfer_name"), name}});
}

void TestProgram::addRound(const QHash<QString, QString> &fields)
{
    addRecord(QStringLiteral("rounds"), fields);
}

void TestProgram::addRecord(const QString &table, const QHash<QString, QString> &fields)
{
    auto data = open(table);
    data->addNew();
    for (auto field = fields.cbegin(); field != fields.cend(); ++field) {
        data->setField(field.key(), field.value());
    }
    data->update();
}

QStringList sampleCourse(const QString &name, const QList<int> &pars, bool eighteen)
{
    using namespace course_layout;
    QStringList course(Fields, QStringLiteral("0"));
    course[Name] = name;
    course[Size] = eighteen ? QStringLiteral("True") : QStringLiteral("False");
    const int holes = eighteen ? 18 : 9;
    int totals[2][4] = {};
    for (int hole = 1; hole <= holes; ++hole) {
        const int values[] = {300 + hole, 280 + hole, 250 + hole, pars.value(hole - 1, 4), hole};
        for (int v = Blue; v <= Handicap; ++v) {
            course[holeIndex(hole, Value(v))] = QString::number(values[v]);
            if (v <= Par) {
                totals[hole > 9][v] += values[v];
            }
        }
    }
    for (int v = Blue; v <= Par; ++v) {
        course[frontTotalIndex(Value(v))] = QString::number(totals[0][v]);
        course[backTotalIndex(Value(v))] = QString::number(totals[1][v]);
    }
    return course;
}
