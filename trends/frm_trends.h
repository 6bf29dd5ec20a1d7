#pragma once

#include "core/trends/trend_figures.h"
#include "ui/form_window.h"

#include <array>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// Trends: one golfer's round totals, putts and handicap index over time, on
// every course or one, as charts and as a table with every value.
class frmTrends : public FormWindow
{
    Q_OBJECT

public:
    explicit frmTrends(AppContext &context);

    void Form_Load() override;
    void Form_Activate() override;

    // Shows the golfer's trends over the window that asked for them; Done goes back to it.
    Q_INVOKABLE void showGolfer(const QString &golfer);

    void cboPlayer_Click();
    void cboCourse_Click();
    void cmdDone_Click();

    const trends::Trends &shownTrends() const { return m_trends; }

protected:
    void leaveByFrame() override;

private:
    QString chosenCourse() const;
    void computeTrends();
    void fillTable();

    QComboBox *cboPlayer;
    QComboBox *cboCourse;
    QLabel *lblSummary;
    QTabWidget *tabCharts;
    std::array<QChartView *, trends::figureCount> charts;
    QTableWidget *grdFigures;
    QPushButton *cmdDone;
    QPushButton *cmdHelp;
    QString m_golfer;
    trends::Trends m_trends;
    bool m_backToMenu = true;
};
