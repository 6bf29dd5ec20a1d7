// Opens the help window on a generated Help.INI of 1,000 topics and compares the time with an
// empty window shown in the same run.

#include "frm_golf_help.h"
#include "message_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTopics = 1000;
constexpr int kRuns = 5;

// Headings of ten topics each, so that the tree has depth as a real help file does.
void writeHelpIni(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    out << "[General]\nEntries=" << kTopics << "\nListWidth=225\nForm Title=Benchmark Help\n";
    for (int k = 1; k <= kTopics; ++k) {
        bool heading = k % 11 == 1;
        out << "\n[" << k << "]\nListItem=Topic " << k << "\nListTarget=" << (heading ? "<NONE>" : "topic.rtf")
            << "\nRelative=" << (heading ? QStringLiteral("Root") : QStringLiteral("h%1").arg(k - (k - 1) % 11))
            << "\nNode=" << (heading ? "True" : "False") << "\n";
        if (heading) {
            out << "Key=h" << k << "\n";
        }
    }
}

class SilentMessages : public HelpMessageBox
{
public:
    Answer show(QWidget *, const QString &, const QString &, Buttons, Icon, Answer) override { return Answer::No; }
};

template<typename Work> double bestSeconds(Work work)
{
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeHelpIni(folder.filePath("Help.INI"));
    SilentMessages messages;

    auto showEmptyWindow = [] {
        QWidget window;
        window.resize(820, 580);
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    };
    // The first window of a run also pays for connecting to the display and loading fonts.
    QElapsedTimer cold;
    cold.start();
    showEmptyWindow();
    double firstEmptyWindow = cold.nsecsElapsed() / 1e9;
    double emptyWindow = bestSeconds(showEmptyWindow);
    double getData = bestSeconds([&] {
        frmGolfHelp window(messages, folder.path());
        window.GetData();
    });
    double helpWindow = bestSeconds([&] {
        frmGolfHelp window(messages, folder.path());
        window.Form_Load();
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    });
    std::printf("help window, %d topics: GetData %.4f s, shown %.4f s; empty window shown %.4f s "
                "(first in the run %.4f s); ratio %.2f to the warm, %.2f to the first empty window "
                "(targets < 0.3 s and ratio <= 3)\n",
                kTopics, getData, helpWindow, emptyWindow, firstEmptyWindow, helpWindow / emptyWindow,
                helpWindow / firstEmptyWindow);
    return 0;
}
