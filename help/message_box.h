#pragma once

#include <QString>

class QWidget;

// Everything the help viewer tells or asks the user goes through this, so that tests can answer
// instead of a person.
class HelpMessageBox
{
public:
    enum class Buttons
    {
        Ok,
        YesNo
    };
    enum class Icon
    {
        Information,
        Question
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    virtual ~HelpMessageBox() = default;
    virtual Answer show(QWidget *parent, const QString &title, const QString &text, Buttons buttons, Icon icon,
                        Answer defaultButton)
        = 0;
};

// The real message box, modal over its parent.
class QtHelpMessageBox : public HelpMessageBox
{
public:
    Answer show(QWidget *parent, const QString &title, const QString &text, Buttons buttons, Icon icon,
                Answer defaultButton) override;
};
