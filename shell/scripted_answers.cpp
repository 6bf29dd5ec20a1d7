#include "shell/scripted_answers.h"

#include <QHash>

#include <cstdio>

namespace {

MessageAnswer escapeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace

ScriptedAnswers::ScriptedAnswers(const QStringList &answers)
    : m_answers(answers)
{ }

std::unique_ptr<ScriptedAnswers> ScriptedAnswers::fromEnvironment()
{
    if (!qEnvironmentVariableIsSet("TEEBOOK_TEST_ANSWERS")) {
        return nullptr;
    }
    return std::make_unique<ScriptedAnswers>(
        qEnvironmentVariable("TEEBOOK_TEST_ANSWERS").split(QLatin1Char(','), Qt::SkipEmptyParts));
}

MessageAnswer ScriptedAnswers::show(QWidget *, const MessageRequest &request)
{
    static const QHash<QString, MessageAnswer> words = {
        {QStringLiteral("yes"), MessageAnswer::Yes},       {QStringLiteral("no"), MessageAnswer::No},
        {QStringLiteral("ok"), MessageAnswer::Ok},         {QStringLiteral("retry"), MessageAnswer::Retry},
        {QStringLiteral("cancel"), MessageAnswer::Cancel},
    };
    const QString word = m_answers.isEmpty() ? QString() : m_answers.takeFirst().trimmed().toLower();
    const MessageAnswer answer = words.value(word, escapeAnswer(request.buttons));
    std::fprintf(stderr, "question: %s: %s\nanswer: %s\n", qUtf8Printable(request.title), qUtf8Printable(request.text),
                 qUtf8Printable(words.key(answer)));
    return answer;
}
