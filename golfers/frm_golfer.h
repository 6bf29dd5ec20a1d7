#pragma once

#include "ui/form_window.h"

#include <memory>

class DataControl;
class QComboBox;
class QLabel;

// The golfer roster: add a golfer by name, or delete one with their rounds.
class frmGolfer : public FormWindow
{
    Q_OBJECT

public:
    explicit frmGolfer(AppContext &context);
    ~frmGolfer() override;

    void Form_Load() override;
    void cmdSaveName_Click();
    void cmdDeleteGolfer_Click();
    void cmdExit_Click();

protected:
    void leaveByFrame() override;

private:
    void openGolfers();
    void refillGolferLists();
    void tellRefusal(const QString &title, const QString &why);

    QLabel *lblTitle;
    QLabel *lblShadow;
    QLabel *lblName;
    QComboBox *cboAddGolfer;
    QPushButton *cmdSaveName;
    QPushButton *cmdDeleteGolfer;
    QPushButton *cmdExit;
    QPushButton *cmdHelp;
    std::unique_ptr<DataControl> datgolf;
};
