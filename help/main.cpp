#include "frm_golf_help.h"
#include "message_box.h"
#include "paths/program_paths.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.teebook.Teeguide"));
    QtHelpMessageBox messages;
    // Help.INI and its documents lie beside the viewer in a program folder, in the share folder when installed.
    const QString documents
        = program_paths::sharedFilesDir(QCoreApplication::applicationDirPath(), QStringLiteral("Help.INI"));
    frmGolfHelp window(messages, documents);
    QObject::connect(&window, &frmGolfHelp::programEnded, &app, &QCoreApplication::quit);
    window.Form_Load();
    window.show();
    return app.exec();
}
