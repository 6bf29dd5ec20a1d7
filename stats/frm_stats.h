#pragma once

#include "core/rules/statistics.h"
#include "core/rules/stats_figures.h"
#include "ui/form_window.h"

#include <array>
#include <memory>

class DataControl;
class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QPushButton;

// Player Stats: one golfer's figures on one course, computed from the stored
// rounds and shown either from the strokes or from the putts.
class frmStats : public FormWindow
{
    Q_OBJECT

public:
    explicit frmStats(AppContext &context);
    ~frmStats() override;

    void Form_Load() override;
    void Form_Activate() override;

    void cboCourse_Click();
    void cboPlayer_Click();
    void cmdCalculateStats_Click();
    void cmdPutting_Click();
    void cmdMainMenu_Click();
    void cmdTrends_Click();
    void cmdPrint_Click();
    void cmdPdf_Click();

    void show_stroke_labels();
    void show_putting_labels();
    void show_stroke_values();
    void show_putting_values();

protected:
    void leaveByFrame() override;

private:
    QLabel *addValueRow(QGroupBox *frame, const QString &caption, const QString &name);
    std::array<QLabel *, 7> recapLabels() const;
    void showRecap(const std::array<int, 7> &recap);
    void showFigures(const StatsFigures &figures);
    void describeFigures(const QString &measure);
    void tell(const QString &title, const QString &text);
    bool statsComputed();

    std::unique_ptr<DataControl> datgolf;
    QLabel *lblPlayerStats;
    QComboBox *cboPlayer;
    QComboBox *cboCourse;
    QGroupBox *fraScoreRecap;
    QGroupBox *fraAveRecap;
    QGroupBox *fraTotals;
    QGroupBox *fraRounds;
    QLabel *lbldea;
    QLabel *lblea;
    QLabel *lblbi;
    QLabel *lblpa;
    QLabel *lblbo;
    QLabel *lbldbo;
    QLabel *lbltbo;
    QLabel *lblhio;
    QLabel *lblave3;
    QLabel *lblave4;
    QLabel *lblave5;
    QLabel *lblstrokes3;
    QLabel *lblstrokes4;
    QLabel *lblstrokes5;
    QLabel *lblscoref9;
    QLabel *lblscoreb9;
    QLabel *lblscore18;
    QPushButton *cmdCalculateStats;
    QPushButton *cmdPutting;
    bool m_puttingShown = false; // which view the putting switch shows
    Stats m_stats; // the figures of the last computation
    QString m_statsGolfer; // whose and where, once computed
    QString m_statsCourse;
    QPushButton *cmdTrends;
    QPushButton *cmdPrint;
    QPushButton *cmdPdf;
    QPushButton *cmdMainMenu;
    QPushButton *cmdHelp;
};
