#pragma once

#include "ui/form_window.h"
#include "ui/golfer_chooser.h"

#include <QStringList>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace SQLite {
class Database;
}

// The Handicap Index of one golfer with its working: the index or why there
// is none, the low index, the most recent counted rounds with every figure,
// and the rounds not counted with their reasons.
class frmHandicap : public FormWindow, public GolferChooser
{
    Q_OBJECT

public:
    explicit frmHandicap(AppContext &context);
    ~frmHandicap() override;

    void Form_Load() override;
    void Form_Activate() override;
    void chooseGolfer(const QString &golfer) override;

    void cboPlayer_Click();
    void cmdMainMenu_Click();

protected:
    void leaveByFrame() override;

private:
    QLabel *makeValue(const QString &name, const QString &meaning);
    QTableWidget *makeTable(const QString &name, const QString &accessibleName, const QStringList &headers);
    void showGolfer(const QString &golfer);
    void showNoGolfer();
    void tell(const QString &text);

    QLabel *lblTitle;
    QComboBox *cboPlayer;
    QLabel *lblIndex;
    QLabel *lblIndexNote;
    QLabel *lblLowIndex;
    QTableWidget *grdCounted;
    QTableWidget *grdNotCounted;
    QPushButton *cmdMainMenu;
    QPushButton *cmdHelp;
    std::unique_ptr<SQLite::Database> m_scorebook;
};
