#include "ui/launch_help.h"

#include "ui/app_context.h"

#include <QDir>

void launch_help(AppContext &context, QWidget *parent)
{
    const QString path = context.programFile(QStringLiteral("teeguide"));
    if (!context.launcher->startDetached(path)) {
        context.messages->show(
            parent,
            {QStringLiteral("Help"),
             QStringLiteral("The help viewer could not be started.\n%1").arg(QDir::toNativeSeparators(path)),
             MessageButtons::Ok, MessageIcon::Warning});
    }
}
