#pragma once

#include "core/handicap/handicap_store.h"
#include "ui/form_window.h"
#include "ui/golfer_chooser.h"
#include "ui/seams.h"

#include <memory>
#include <vector>

class QLabel;
class QTableWidget;

namespace SQLite {
class Database;
}

// The tee and day of a golfer's rounds saved before rounds had them, so the
// index can count them. Each row is counted or left out by the user; the day
// starts as read from the round's stored date where that is a real date.
class frmRoundDetails : public FormWindow, public GolferChooser
{
    Q_OBJECT

public:
    // The columns of the rounds table, in the order shown.
    enum Column
    {
        StoredDate,
        Course,
        PlayedOn,
        Tee,
        Counted,
        Columns
    };

    explicit frmRoundDetails(AppContext &context);
    ~frmRoundDetails() override;

    void Form_Load() override;
    void chooseGolfer(const QString &golfer) override;

    void cmdSave_Click();
    void cmdBack_Click();

protected:
    void leaveByFrame() override;

private:
    void listRounds();
    SQLite::Database &scorebook();
    // The details of every row to count, or nothing with the user told why.
    std::optional<std::vector<handicap::DetailsOfRound>> checkedDetails();
    void tell(const QString &text, MessageIcon icon = MessageIcon::Warning);

    QLabel *lblGolfer;
    QTableWidget *grdRounds;
    QLabel *lblOutcome;
    QPushButton *cmdSave;
    QPushButton *cmdBack;
    QPushButton *cmdHelp;
    QString m_golfer;
    std::vector<handicap::UndetailedRound> m_rounds; // in table row order
    std::unique_ptr<SQLite::Database> m_scorebook;
};
