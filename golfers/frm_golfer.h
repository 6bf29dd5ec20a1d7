#pragma once

#include "ui/form_window.h"

#include <memory>

class DataControl;
class QComboBox;
class QLabel;

// The golfer roster: add a golfer by name, or delete one with their rounds;
// open the handicap of the chosen golfer, or fill in their older rounds' details.
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
    void cmdHandicap_Click();
    void cmdRoundDetails_Click();

protected:
    void leaveByFrame() override;

private:
    void openGolfers();
    void refillGolferLists();
    void tellRefusal(const QString &title, const QString &why);
    void openForChosenGolfer(const QString &window);

    QLabel *lblTitle;
    QLabel *lblShadow;
    QLabel *lblName;
    QComboBox *cboAddGolfer;
    QPushButton *cmdSaveName;
    QPushButton *cmdDeleteGolfer;
    QPushButton *cmdExit;
    QPushButton *cmdHelp;
    QPushButton *cmdHandicap;
    QPushButton *cmdRoundDetails;
    std::unique_ptr<DataControl> datgolf;
};
