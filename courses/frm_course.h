#pragma once

#include "ui/form_window.h"

class NineSwitch;

class CardGrid;
class QComboBox;
class PictureBox;
class QLabel;
class QPushButton;

// The course card viewer: one stored course on a paper card, nine holes at a
// time, read from the course cache. It writes nothing; it leads to the editor.
class frmCourse : public FormWindow
{
    Q_OBJECT

public:
    explicit frmCourse(AppContext &context);

    void Form_Load() override;
    void Form_Activate() override;

    void cboCourse_Click(int index);
    void cmdNine_Click();
    void cmdNewCourseInfo_Click();
    void cmdExit_Click();
    void cmdExport_Click();
    void cmdImport_Click();

protected:
    void leaveByFrame() override;

private:
    bool backNineShown() const;
    void showNine(bool backNine);

    PictureBox *imgAd1;
    PictureBox *imgAd2;
    QComboBox *cboCourse;
    CardGrid *card;
    NineSwitch *cmdNine;
    QPushButton *cmdNewCourseInfo;
    QPushButton *cmdExit;
    QPushButton *cmdExport;
    QPushButton *cmdImport;
    QPushButton *cmdHelp;
};
