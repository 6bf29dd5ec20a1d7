#include "core/rules/course_saving.h"

#include "core/records/course_layout.h"
#include "core/scorebook/datgolf.h"

using namespace course_layout;

namespace course_saving {

namespace {

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void addCourse(DataControl &courses, const QStringList &courseRecord, const QString &name, bool eighteenHoles,
               int courseId)
{
    courses.inTransaction([&] {
        courses.addNew();
        courses.setField(fieldName(Id), QString::number(courseId));
        courses.setField(fieldName(Name), name);
        courses.setField(fieldName(Size), truthText(eighteenHoles));
        write_course_fields(courses, courseRecord);
        courses.update();
    });
}

bool updateCourse(DataControl &courses, const QStringList &courseRecord, const QString &name, bool eighteenHoles)
{
    courses.refresh();
    courses.findFirst(fieldName(Name), name);
    if (courses.noMatch()) {
        return false;
    }
    // With a name stored twice, the later record is the one rewritten.
    do {
        courses.findNext(fieldName(Name), name);
    } while (!courses.noMatch());
    courses.inTransaction([&] {
        courses.edit();
        courses.setField(fieldName(Name), name);
        courses.setField(fieldName(Size), truthText(eighteenHoles));
        write_course_fields(courses, courseRecord);
        courses.update();
    });
    return true;
}

} // namespace course_saving

void write_course_fields(DataControl &datgolf, const QStringList &courseRecord)
{
    for (int index = Size + 1; index < Fields; ++index) {
        // A box emptied with Backspace counts 0 everywhere; store it so.
        const QString value = courseRecord.value(index);
        datgolf.setField(fieldName(index), value.isEmpty() ? QStringLiteral("0") : value);
    }
}
