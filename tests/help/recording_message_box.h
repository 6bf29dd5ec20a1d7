#pragma once

#include "message_box.h"

#include <QList>

// Stands in for the user at the message box: records every box and gives scripted answers.
class RecordingMessageBox : public HelpMessageBox
{
public:
    struct Shown
    {
        QString title;
        QString text;
        Buttons buttons;
    };

    Answer show(QWidget *, const QString &title, const QString &text, Buttons buttons, Icon, Answer) override
    {
        shown.append({title, text, buttons});
        return buttons == Buttons::Ok ? Answer::Ok : answers.isEmpty() ? Answer::No : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<Answer> answers;
};
