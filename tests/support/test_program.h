#pragma once

#include "shell/window_registry.h"
#include "tests/support/fakes.h"
#include "ui/app_context.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class DataControl;
class FormWindow;

// One program run for a test case: a temporary program folder with a fresh
// scorebook, recording seams, every window registered, nothing started yet.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    // Runs the main window's start-up sequence; the main window stays hidden.
    FormWindow *startUp();

    // Stores records through the data layer, as the windows would.
    void addCourse(const QStringList &courseRecord);
    void addGolfer(const QString &name);
    void addRound(const QHash<QString, QString> &fields);

    // A record of the table with the fields given, the others empty.
    void addRecord(const QString &table, const QHash<QString, QString> &fields);

    // Another program changes the scorebook behind the windows' backs.
    void changeFromOutside(const QString &sql) const;

    // Each row the query finds, its values as text parted by blanks.
    QStringList query(const char *sql) const;

    // A connection of the test's own on a table of the scorebook.
    std::unique_ptr<DataControl> open(const QString &table) const;

    QTemporaryDir folder;
    FakeMessageBoxes messages;
    FakeLauncher launcher;
    FakeBeeper beeper;
    FakeClock clock;
    FakeFileChooser files;
    FakePrintPreview printPreview;
    QStringList soundsPlayed;
    int endRequests = 0;
    WindowRegistry windows;
    AppContext context;
};

// An eighteen-hole course record in the course-record layout: name, and per hole
// blue = 300 + hole, white = 280 + hole, red = 250 + hole, par from the list, handicap = hole.
QStringList sampleCourse(const QString &name, const QList<int> &pars, bool eighteen = true);
