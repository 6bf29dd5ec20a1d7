#include "message_box.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButton standardButton(HelpMessageBox::Answer answer)
{
    switch (answer) {
    case HelpMessageBox::Answer::Yes:
        return QMessageBox::Yes;
    case HelpMessageBox::Answer::No:
        return QMessageBox::No;
    case HelpMessageBox::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

HelpMessageBox::Answer QtHelpMessageBox::show(QWidget *parent, const QString &title, const QString &text,
                                              Buttons buttons, Icon icon, Answer defaultButton)
{
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Information, title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setDefaultButton(standardButton(defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}
