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
    Index,
    Export,
    Import,
    Backup
};

struct IndexRequest
{
    QString golfer;
    std::optional<QDate> asOf;
    bool json = false;
};

struct ExportRequest
{
    QString kind; // "rounds", "courses" or "golfers"
    QString csvPath;
};

struct ImportRequest
{
    QString csvPath;
    bool store = false; // --yes: store the new records; else only count them
};

struct Invocation
{
    Command command = Command::Help;
    QString scorebook; // empty: the scorebook beside the program
    IndexRequest index;
    ExportRequest exportRequest;
    ImportRequest importRequest;
    QString backupPath; // backup: the copy to write
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
