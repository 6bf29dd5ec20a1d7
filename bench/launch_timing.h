#pragma once

#include "bench/bench_timing.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Whole-program start times: the benchmark starts itself again as a child that
// shows one window and ends, so both sides pay for loading and connecting to
// the display alike. Run under a display (xvfb-run works).

// The child's part for the baseline: an empty window, shown.
inline int showEmptyWindow()
{
    QWidget window;
    window.resize(560, 430);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}

// Median time of starting this program with the given arguments until it ends.
inline double launchSeconds(const QStringList &arguments)
{
    return medianSeconds(7, [&] {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        child.waitForFinished(60000);
        if (child.exitCode() != 0) {
            std::fprintf(stderr, "child %s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
        }
    });
}
