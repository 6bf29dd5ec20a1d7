#pragma once

#include "ui/seams.h"

#include <QStringList>

#include <memory>

// For tests of the installed program only: while TEEBOOK_TEST_ANSWERS is set,
// questions are not shown but answered from it (words separated by commas:
// Yes, No, Ok, Retry, Cancel), and each question is written to standard error.
// Once the words are used up, every question gets the answer of Escape.
// main() also ends the program once its main menu is up.
class ScriptedAnswers : public MessageBoxes
{
public:
    explicit ScriptedAnswers(const QStringList &answers);

    // The scripted answers when the variable is set, else nothing.
    static std::unique_ptr<ScriptedAnswers> fromEnvironment();

    MessageAnswer show(QWidget *parent, const MessageRequest &request) override;

private:
    QStringList m_answers;
};
