#include "shell/teebook_program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teebook"));
    QApplication::setQuitOnLastWindowClosed(false);
    TeebookProgram program(QCoreApplication::applicationDirPath());
    if (!program.start()) {
        return 1;
    }
    return QApplication::exec();
}
