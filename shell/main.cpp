#include "shell/scripted_answers.h"
#include "shell/teebook_program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No organisation name: the user's folders are plain "teebook" ones.
    QApplication::setApplicationName(QStringLiteral("teebook"));
    QApplication::setApplicationVersion(QStringLiteral(TEEBOOK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.teebook.Teebook"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("A golf scorebook for one player or a household."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption scorebook(QStringLiteral("scorebook"),
                                       QStringLiteral("Keep courses, golfers and rounds in FILE instead of the usual "
                                                      "scorebook."),
                                       QStringLiteral("FILE"));
    options.addOption(scorebook);
    options.process(app);

    const auto places = program_paths::locate(QCoreApplication::applicationDirPath(), options.value(scorebook));
    std::unique_ptr<MessageBoxes> scripted = ScriptedAnswers::fromEnvironment();
    const bool underTest = scripted != nullptr;
    TeebookProgram program(places, underTest ? std::move(scripted) : std::make_unique<QtMessageBoxes>());
    if (!program.start()) {
        return 1;
    }
    if (underTest) {
        // An install test only needs the start-up; it ends once the main menu is up.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
