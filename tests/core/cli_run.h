#pragma once

#include <QProcess>
#include <QStringList>

// teebook-cli as a person or a script runs it: arguments in, text and an exit code out.
struct CliRun
{
    int exitCode = -1;
    QString output;
    QString errors;
};

inline CliRun runCli(const QStringList &arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(TEEBOOK_CLI), arguments);
    if (!cli.waitForFinished(30000)) {
        return {};
    }
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}
