#include "cli/command_line.h"

namespace cli {

namespace {

ParsedArguments refused(const QString &error)
{
    return {std::nullopt, error};
}

// GOLFER [--as-of YYYY-MM-DD] [--json], options in any order.
ParsedArguments parseIndex(Invocation invocation, const QStringList &arguments)
{
    invocation.command = Command::Index;
    std::optional<QString> golfer;
    for (int at = 0; at < arguments.size(); ++at) {
        const QString &argument = arguments[at];
        if (argument == QLatin1String("--json")) {
            invocation.index.json = true;
        } else if (argument == QLatin1String("--as-of")) {
            if (at + 1 == arguments.size()) {
                return refused(QStringLiteral("--as-of needs a date (YYYY-MM-DD)."));
            }
            const QString text = arguments[++at];
            const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
            if (!day.isValid()) {
                return refused(QStringLiteral("\"%1\" is not a date of the form YYYY-MM-DD.").arg(text));
            }
            invocation.index.asOf = day;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return refused(QStringLiteral("Unknown option \"%1\".").arg(argument));
        } else if (golfer) {
            return refused(QStringLiteral("One golfer at a time; put a name with blanks in quotes."));
        } else {
            golfer = argument;
        }
    }
    if (!golfer || golfer->trimmed().isEmpty()) {
        return refused(QStringLiteral("index needs the golfer's name."));
    }
    invocation.index.golfer = *golfer;
    return {invocation, {}};
}

// rounds|courses|golfers OUT.csv
ParsedArguments parseExport(Invocation invocation, const QStringList &arguments)
{
    invocation.command = Command::Export;
    const QStringList kinds {QStringLiteral("rounds"), QStringLiteral("courses"), QStringLiteral("golfers")};
    if (arguments.size() != 2 || !kinds.contains(arguments[0])) {
        return refused(QStringLiteral("export needs what to write (rounds, courses or golfers) and the CSV file."));
    }
    invocation.exportRequest = {arguments[0], arguments[1]};
    return {invocation, {}};
}

// IN.csv [--yes], in any order.
ParsedArguments parseImport(Invocation invocation, const QStringList &arguments)
{
    invocation.command = Command::Import;
    std::optional<QString> file;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--yes")) {
            invocation.importRequest.store = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return refused(QStringLiteral("Unknown option \"%1\".").arg(argument));
        } else if (file) {
            return refused(QStringLiteral("import reads one CSV file at a time."));
        } else {
            file = argument;
        }
    }
    if (!file) {
        return refused(QStringLiteral("import needs the CSV file."));
    }
    invocation.importRequest.csvPath = *file;
    return {invocation, {}};
}

// OUT.mdb
ParsedArguments parseBackup(Invocation invocation, const QStringList &arguments)
{
    invocation.command = Command::Backup;
    if (arguments.size() != 1 || arguments[0].startsWith(QLatin1String("--"))) {
        return refused(QStringLiteral("backup needs the file to write the copy to."));
    }
    invocation.backupPath = arguments[0];
    return {invocation, {}};
}

} // namespace

ParsedArguments parseArguments(const QStringList &arguments)
{
    Invocation invocation;
    int at = 0;
    for (; at < arguments.size() && arguments[at].startsWith(QLatin1Char('-')); ++at) {
        const QString &option = arguments[at];
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            return {invocation, {}};
        }
        if (option != QLatin1String("--scorebook")) {
            return refused(QStringLiteral("Unknown option \"%1\".").arg(option));
        }
        if (at + 1 == arguments.size()) {
            return refused(QStringLiteral("--scorebook needs a file."));
        }
        invocation.scorebook = arguments[++at];
    }
    if (at == arguments.size()) {
        return refused(QStringLiteral("No command given."));
    }
    const QString command = arguments[at];
    const QStringList rest = arguments.mid(at + 1);
    if (command == QLatin1String("index")) {
        return parseIndex(invocation, rest);
    }
    if (command == QLatin1String("export")) {
        return parseExport(invocation, rest);
    }
    if (command == QLatin1String("import")) {
        return parseImport(invocation, rest);
    }
    if (command == QLatin1String("backup")) {
        return parseBackup(invocation, rest);
    }
    return refused(QStringLiteral("Unknown command \"%1\".").arg(command));
}

QString usageText()
{
    return QStringLiteral("Usage: teebook-cli [--scorebook FILE] index GOLFER [--as-of YYYY-MM-DD] [--json]\n"
                          "       teebook-cli [--scorebook FILE] export rounds|courses|golfers OUT.csv\n"
                          "       teebook-cli [--scorebook FILE] import IN.csv [--yes]\n"
                          "       teebook-cli [--scorebook FILE] backup OUT.mdb\n"
                          "\n"
                          "  index    the golfer's Handicap Index and the rounds it is made of\n"
                          "  export   writes every round, course or golfer as CSV\n"
                          "  import   counts the new, identical and conflicting records of a CSV file;\n"
                          "           with --yes stores the new ones (nothing stored is ever changed)\n"
                          "  backup   copies the scorebook, safely while it is in use (never over a file)\n"
                          "\n"
                          "  --scorebook FILE  the scorebook (teedat2000.mdb beside the program by default)\n"
                          "  --yes             import: store the new records\n"
                          "  --as-of DATE      leave out the rounds played after DATE\n"
                          "  --json            one JSON object instead of a table\n");
}

} // namespace cli
