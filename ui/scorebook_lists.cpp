#include "ui/scorebook_lists.h"

#include "core/records/course_cache.h"
#include "core/scorebook/datgolf.h"
#include "ui/app_context.h"
#include "ui/list_loaders.h"

void reloadScorebookLists(AppContext &context)
{
    DataControl data;
    data.setDatabaseName(context.databasePath());
    data.setRecordSource(QStringLiteral("courseinfo"));
    reload_course_cache(data, context.state);
    load_course_lists(context.state, context.pickLists);
    data.setRecordSource(QStringLiteral("golfers"));
    data.refresh();
    load_golfer_lists(data, context.pickLists);
}
