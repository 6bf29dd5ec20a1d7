#include "cli/index_command.h"

#include "cli/command_failure.h"
#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_report.h"
#include "core/handicap/handicap_source.h"
#include "core/records/text_rules.h"

#include <QFileInfo>

#include <SQLiteCpp/Database.h>

namespace cli {

int runIndex(const QString &scorebookPath, const IndexRequest &request, QTextStream &output, QTextStream &errors)
{
    if (!QFileInfo(scorebookPath).isFile()) {
        return fail(errors, QStringLiteral("there is no scorebook at %1.").arg(scorebookPath));
    }
    try {
        SQLite::Database scorebook(scorebookPath.toStdString(), SQLite::OPEN_READONLY);
        const QString problem = handicap::scorebookProblem(scorebook);
        if (!problem.isEmpty()) {
            return fail(errors, QStringLiteral("%1 is not a scorebook: %2.").arg(scorebookPath, problem));
        }
        const QString golfer = text::trimBlanks(request.golfer);
        if (!handicap::hasGolfer(scorebook, golfer)) {
            return fail(errors, QStringLiteral("the scorebook has no golfer named \"%1\".").arg(golfer));
        }
        const auto result = handicap::computeHandicap(handicap::readHandicapInputs(scorebook, golfer), request.asOf);
        if (request.json) {
            output << QString::fromUtf8(handicap::jsonReport(golfer, result));
        } else {
            output << handicap::plainReport(result);
        }
        output.flush();
        return 0;
    } catch (const SQLite::Exception &e) {
        return fail(
            errors,
            QStringLiteral("the scorebook %1 cannot be read: %2.").arg(scorebookPath, QString::fromUtf8(e.what())));
    }
}

} // namespace cli
