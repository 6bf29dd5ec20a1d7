#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The arguments of teebook-cli: options for every command, then one command
// word and that command's own arguments.
namespace cli {

enum class Command
{
    Help,
    Index
};

struct IndexRequest
{
    QString golfer;
    std::optional<QDate> asOf;
    bool json = false;
};

struct Invocation
{
    Command command = Command::Help;
    QString scorebook; // empty: the scorebook beside the program
    IndexRequest index;
};

struct ParsedArguments
{
    std::optional<Invocation> invocation;
    QString error; // what is wrong with the arguments, when there is no invocation
};

// The arguments after the program's name.
ParsedArguments parseArguments(const QStringList &arguments);

QString usageText();

} // namespace cli
