#pragma once

#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"

#include <QLineEdit>
#include <QtTest>

// How the course tests reach the course windows: as a golfer does, from the menu.
namespace course_windows {

using namespace driving;

inline QLineEdit *entry(QWidget *window, const QString &name)
{
    return window->findChild<QLineEdit *>(name);
}

// The texts of the controls named pattern.arg(first) … pattern.arg(last).
inline QStringList texts(QWidget *window, const QString &pattern, int first, int last)
{
    QStringList values;
    for (int i = first; i <= last; ++i) {
        values.append(text(window, pattern.arg(i)));
    }
    return values;
}

// Clicks into a grid box (unless the focus is already there) and types, the
// "0" it held selected first and so replaced.
inline void typeInto(QWidget *window, const QString &name, const QString &keys)
{
    QLineEdit *box = entry(window, name);
    if (!box->hasFocus()) {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    QTRY_COMPARE(box->selectedText(), box->text());
    QTest::keyClicks(box, keys);
}

// Stores the courses, starts the program and opens the course viewer from the menu.
inline frmCourse *openViewer(TestProgram &program, const QList<QStringList> &courses = {})
{
    for (const QStringList &course : courses) {
        program.addCourse(course);
    }
    QWidget *main = program.startUp();
    main->show();
    click(main, QStringLiteral("cmdCourseInfo"));
    auto *viewer = qobject_cast<frmCourse *>(program.windows.loaded(QStringLiteral("frmCourse")));
    return viewer && viewer->isVisible() ? viewer : nullptr;
}

// The same, then on into the editor.
inline frmNewCourse *openEditor(TestProgram &program, const QList<QStringList> &courses = {})
{
    frmCourse *viewer = openViewer(program, courses);
    if (!viewer) {
        return nullptr;
    }
    click(viewer, QStringLiteral("cmdNewCourseInfo"));
    auto *editor = qobject_cast<frmNewCourse *>(program.windows.loaded(QStringLiteral("frmNewCourse")));
    return editor && editor->isVisible() ? editor : nullptr;
}

} // namespace course_windows
