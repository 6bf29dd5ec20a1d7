#include "frm_golf_help.h"
#include "message_box.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtHelpMessageBox messages;
    frmGolfHelp window(messages, QCoreApplication::applicationDirPath());
    QObject::connect(&window, &frmGolfHelp::programEnded, &app, &QCoreApplication::quit);
    window.Form_Load();
    window.show();
    return app.exec();
}
