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

// The window of that name if it is on screen, else null.
template<typename Window = QWidget> Window *shown(TestProgram &program, const char *name)
{
    auto *window = qobject_cast<Window *>(program.windows.loaded(QString::fromLatin1(name)));
    return window && window->isVisible() ? window : nullptr;
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
    return shown<frmCourse>(program, "frmCourse");
}

// The same, then on into the editor.
inline frmNewCourse *openEditor(TestProgram &program, const QList<QStringList> &courses = {})
{
    if (frmCourse *viewer = openViewer(program, courses)) {
        click(viewer, QStringLiteral("cmdNewCourseInfo"));
    }
    return shown<frmNewCourse>(program, "frmNewCourse");
}

} // namespace course_windows
