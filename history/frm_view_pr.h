#pragma once

#include "ui/form_window.h"

#include <memory>

class DataControl;
class QComboBox;
class QLabel;
class QTableView;
class RoundsTableModel;

// Every stored round in a read-only grid, built afresh on each opening so a
// round saved a moment before is listed.
class frmViewPR : public FormWindow
{
    Q_OBJECT

public:
    explicit frmViewPR(AppContext &context);
    ~frmViewPR() override;

    void Form_Load() override;
    void cmdDone_Click();
    void cmdExport_Click();

    // The grid's columns: 0 is the fixed column, 1.. the table's columns in stored order.
    QString headerText(int gridColumn) const;
    int columnWidth(int gridColumn) const;

protected:
    void leaveByFrame() override;

private:
    void setHeaders();
    void setColumnWidths();

    QLabel *lblViewPR;
    QTableView *Grid1;
    QComboBox *cboExportGolfer;
    QPushButton *cmdExport;
    QPushButton *cmdDone;
    std::unique_ptr<DataControl> datgolf;
    RoundsTableModel *m_model = nullptr;
};
