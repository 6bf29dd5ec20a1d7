#include "cli/backup_command.h"
#include "cli/command_line.h"
#include "cli/default_scorebook.h"
#include "cli/exchange_commands.h"
#include "cli/index_command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream output(stdout);
    QTextStream errors(stderr);
    const auto parsed = cli::parseArguments(app.arguments().mid(1));
    if (!parsed.invocation) {
        errors << "teebook-cli: " << parsed.error << "\n\n" << cli::usageText();
        return 2;
    }
    const cli::Invocation &invocation = *parsed.invocation;
    const QString scorebook = invocation.scorebook.isEmpty() ? cli::defaultScorebookPath() : invocation.scorebook;
    switch (invocation.command) {
    case cli::Command::Help:
        output << cli::usageText();
        return 0;
    case cli::Command::Index:
        return cli::runIndex(scorebook, invocation.index, output, errors);
    case cli::Command::Export:
        return cli::runExport(scorebook, invocation.exportRequest, output, errors);
    case cli::Command::Import:
        return cli::runImport(scorebook, invocation.importRequest, output, errors);
    case cli::Command::Backup:
        return cli::runBackup(scorebook, invocation.backupPath, output, errors);
    }
    return 2;
}
