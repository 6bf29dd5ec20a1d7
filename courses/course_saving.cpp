#include "courses/course_saving.h"

#include "core/records/course_cache.h"
#include "core/records/course_layout.h"
#include "core/records/resets.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "courses/course_boxes.h"
#include "courses/frm_new_course.h"
#include "ui/app_context.h"
#include "ui/list_loaders.h"
#include "ui/wait_cursor.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using namespace course_layout;

const QString UpdateTitle = QStringLiteral(" Update a course ");

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void addCourse(DataControl &datgolf, const SharedState &state, const QString &name, bool eighteenHoles)
{
    datgolf.inTransaction([&] {
        datgolf.addNew();
        datgolf.setField(fieldName(Id), QString::number(state.last_course + 1));
        datgolf.setField(fieldName(Name), name);
        datgolf.setField(fieldName(Size), truthText(eighteenHoles));
        write_course_fields(datgolf, state.course_record);
        datgolf.update();
    });
}

// True when the course was found and rewritten.
bool updateCourse(frmNewCourse &editor, DataControl &datgolf, const QString &name, bool eighteenHoles)
{
    AppContext &context = editor.context();
    const MessageAnswer answer
        = context.messages->show(&editor,
                                 {UpdateTitle, QStringLiteral(" Are you sure you want to update this course? "),
                                  MessageButtons::YesNo, MessageIcon::Critical, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    WaitCursor hourglass;
    datgolf.refresh();
    datgolf.findFirst(fieldName(Name), name);
    if (datgolf.noMatch()) {
        context.messages->show(&editor, {UpdateTitle, QStringLiteral(" Sorry, I could not find the course. ")});
        return false;
    }
    // With a name stored twice, the later record is the one rewritten.
    do {
        datgolf.findNext(fieldName(Name), name);
    } while (!datgolf.noMatch());
    datgolf.inTransaction([&] {
        datgolf.edit();
        datgolf.setField(fieldName(Name), name);
        datgolf.setField(fieldName(Size), truthText(eighteenHoles));
        write_course_fields(datgolf, context.state.course_record);
        datgolf.update();
    });
    return true;
}

// After a store every window sees the course at once: cache, lists, a clean grid.
void rebuildCourseState(frmNewCourse &editor, DataControl &datgolf)
{
    AppContext &context = editor.context();
    try {
        reload_course_cache(datgolf, context.state);
    } catch (const DatabaseError &error) {
        throw DatabaseError(QStringLiteral("The course was saved, but the list of courses could not be read again; "
                                           "start the program again to see it.\n%1")
                                .arg(error.message()));
    }
    reset_course_record(context.state);
    load_course_lists(context.state, context.pickLists);
    zero_course_boxes(editor);
}

} // namespace

bool save_course(frmNewCourse &editor, DataControl &datgolf, int mode, bool eighteenHoles)
{
    AppContext &context = editor.context();
    bool stored = false;
    try {
        if (mode == course_saving::AddMode) {
            WaitCursor hourglass;
            // Re-read first: another window may have changed the table meanwhile.
            datgolf.refresh();
            addCourse(datgolf, context.state, editor.txtNewName->text().trimmed(), eighteenHoles);
            stored = true;
        } else if (mode == course_saving::UpdateMode) {
            stored = updateCourse(editor, datgolf, editor.cboName->currentText().trimmed(), eighteenHoles);
        } else {
            context.messages->show(
                &editor, {QStringLiteral("Error setting up course"), QStringLiteral(" Error setting up course data ")});
        }
    } catch (const DatabaseError &error) {
        throw DatabaseError(QStringLiteral("The course was not saved.\n%1").arg(error.message()));
    }
    if (stored) {
        WaitCursor hourglass;
        rebuildCourseState(editor, datgolf);
    }
    return stored;
}

void write_course_fields(DataControl &datgolf, const QStringList &courseRecord)
{
    for (int index = Size + 1; index < Fields; ++index) {
        // A box emptied with Backspace counts 0 everywhere; store it so.
        const QString value = courseRecord.value(index);
        datgolf.setField(fieldName(index), value.isEmpty() ? QStringLiteral("0") : value);
    }
}
