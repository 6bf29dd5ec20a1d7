#include "ui/busy_question.h"

#include "core/scorebook/busy_wait.h"
#include "ui/seams.h"

#include <QApplication>

void askWhenScorebookBusy(MessageBoxes &messages)
{
    busy_wait::setQuestion([&messages] {
        const MessageAnswer answer = messages.show(
            QApplication::activeWindow(),
            {QStringLiteral("Scorebook Busy"),
             QStringLiteral("Another program is using the scorebook at the moment.\n\n"
                            "Retry waits for it again; Cancel leaves what you entered as it is, unsaved."),
             MessageButtons::RetryCancel, MessageIcon::Warning, MessageAnswer::Retry});
        return answer == MessageAnswer::Retry;
    });
}

void stopAskingWhenScorebookBusy()
{
    busy_wait::setQuestion({});
}
