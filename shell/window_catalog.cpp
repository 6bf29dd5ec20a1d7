#include "shell/window_catalog.h"

#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "golfers/frm_golfer.h"
#include "golfers/frm_round_details.h"
#include "handicap/frm_handicap.h"
#include "history/frm_view_pr.h"
#include "scoring/frm_scoreround.h"
#include "shell/frm_about.h"
#include "shell/window_registry.h"
#include "stats/frm_stats.h"
#include "trends/frm_trends.h"
#include "ui/app_context.h"

void registerWindows(WindowRegistry &windows, AppContext &context)
{
    windows.addWindow(QStringLiteral("frmAbout"), [&context] { return new frmAbout(context); });
    windows.addWindow(QStringLiteral("frmStats"), [&context] { return new frmStats(context); });
    windows.addWindow(QStringLiteral("frmGolfer"), [&context] { return new frmGolfer(context); });
    windows.addWindow(QStringLiteral("frmScoreround"), [&context] { return new frmScoreround(context); });
    windows.addWindow(QStringLiteral("frmViewPR"), [&context] { return new frmViewPR(context); });
    windows.addWindow(QStringLiteral("frmCourse"), [&context] { return new frmCourse(context); });
    windows.addWindow(QStringLiteral("frmNewCourse"), [&context] { return new frmNewCourse(context); });
    windows.addWindow(QStringLiteral("frmHandicap"), [&context] { return new frmHandicap(context); });
    windows.addWindow(QStringLiteral("frmRoundDetails"), [&context] { return new frmRoundDetails(context); });
    windows.addWindow(QStringLiteral("frmTrends"), [&context] { return new frmTrends(context); });
}
