#pragma once

#include "bench/launch_timing.h"
#include "shell/teebook_program.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QByteArray>

#include <optional>
#include <sys/resource.h>

// The child side of the launch benchmarks: started again with "--menu DIR" it
// shows the program's main menu for that folder, with "--empty" an empty
// window; either prints its peak memory in KiB and ends.

inline long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

inline int showMainMenu(const QString &programDir)
{
    TeebookProgram program(program_paths::allIn(programDir), std::make_unique<FakeMessageBoxes>());
    if (!program.start()) {
        return 1;
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmMain") && QTest::qWaitForWindowExposed(window)) {
            std::printf("%ld\n", peakKilobytes());
            return 0;
        }
    }
    return 1;
}

// The exit code of the child when these arguments ask for one, else nothing.
inline std::optional<int> runLaunchChild(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--menu") {
        QApplication app(argc, argv);
        return showMainMenu(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 2 && QByteArray(argv[1]) == "--empty") {
        QApplication app(argc, argv);
        const int failed = showEmptyWindow();
        std::printf("%ld\n", peakKilobytes());
        return failed;
    }
    return std::nullopt;
}

// Peak memory of a child started with these arguments, in KiB.
inline long childPeakKilobytes(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toLong();
}
