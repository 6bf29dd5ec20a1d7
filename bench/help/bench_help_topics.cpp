// Starts the help viewer on a generated Help.INI of 1,000 topics, to the shown
// window, against a program that shows an empty window; also times GetData alone.

#include "bench/launch_timing.h"
#include "frm_golf_help.h"
#include "message_box.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kTopics = 1000;

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

int showHelpWindow(const QString &folder)
{
    SilentMessages messages;
    frmGolfHelp window(messages, folder);
    window.Form_Load();
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--help-window") {
        QApplication app(argc, argv);
        return showHelpWindow(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 2 && QByteArray(argv[1]) == "--empty") {
        QApplication app(argc, argv);
        return showEmptyWindow();
    }

    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeHelpIni(folder.filePath("Help.INI"));
    SilentMessages messages;
    const double getData = medianSeconds(5, [&] {
        frmGolfHelp window(messages, folder.path());
        window.GetData();
    });
    std::printf("GetData on %d topics: %.4f s (target < 0.3 s)\n", kTopics, getData);
    const double empty = launchSeconds({QStringLiteral("--empty")});
    const double help = launchSeconds({QStringLiteral("--help-window"), folder.path()});
    report("launch to shown help, 1,000 topics", help, "launch to empty window", empty, 3.0);
    return 0;
}
