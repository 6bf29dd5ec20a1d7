#pragma once

#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "tests/support/test_program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// How the course tests reach the course windows: as a golfer does, from the menu.
namespace course_windows {

inline void click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    QVERIFY2(button && button->isVisible() && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void choose(QWidget *window, const QString &listName, int index)
{
    auto *list = window->findChild<QComboBox *>(listName);
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

inline QLineEdit *entry(QWidget *window, const QString &name)
{
    return window->findChild<QLineEdit *>(name);
}

// The text of a label or box, and of those named pattern.arg(first) … pattern.arg(last).
inline QString text(QWidget *window, const QString &name)
{
    return window->findChild<QWidget *>(name)->property("text").toString();
}

inline QStringList texts(QWidget *window, const QString &pattern, int first, int last)
{
    QStringList values;
    for (int i = first; i <= last; ++i) {
        values.append(text(window, pattern.arg(i)));
    }
    return values;
}

inline QStringList numbers(int first, int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i) {
        values.append(QString::number(first + i));
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
