#pragma once

#include "core/records/round.h"
#include "ui/form_window.h"

#include <QDate>

#include <memory>
#include <optional>

class CardGrid;
class CardHandicap;
class NineSwitch;
class PictureBox;
class DataControl;
class QComboBox;
class QLabel;
class QLineEdit;
class RoundDetailsRow;

// The score card: choose a course and a golfer, type strokes and putts nine
// holes at a time with running totals, and save the round.
class frmScoreround : public FormWindow
{
    Q_OBJECT

public:
    explicit frmScoreround(AppContext &context);
    ~frmScoreround() override;

    void Form_Load() override;
    void Form_Activate() override;

    void cboCourse_Click(int index);
    void cboPlayer_Click();
    void cmdNine_Click();
    void cmdSave_Click();
    void cmdViewPR_Click();
    void cmdExit_Click();
    void cmdPrint_Click();
    void cmdPdf_Click();
    void add_score();

    bool backNineShown() const;

protected:
    void leaveByFrame() override;

private:
    void buildLayout();
    void clearCard();
    // Asks "Saving Round"; on Yes appends the round. Throws DatabaseError.
    bool save_round(const QStringList &record, const QDate &day);
    void showFrontNineOfNewCourse();
    void copyCourseParsInto(QStringList &record) const;
    void storeShownNine(QStringList &record) const;
    bool refuse(const QString &title, const QString &text);
    std::optional<QDate> playedOn() const;
    // Appends the round and returns its record number. Throws DatabaseError.
    qint64 appendRound(const QStringList &record);
    void storeDetails(qint64 recordNo, const QDate &day);
    void showCourseHandicap();
    // The card as entered so far, both nines, for printing.
    Round enteredRound() const;

    PictureBox *imgAd1;
    PictureBox *imgAd2;
    QComboBox *cboCourse;
    QComboBox *cboPlayer;
    QLabel *lblDate;
    QLineEdit *txtDate;
    RoundDetailsRow *fraRoundDetails;
    CardGrid *card;
    NineSwitch *cmdNine;
    QPushButton *cmdViewPR;
    QPushButton *cmdSave;
    QPushButton *cmdExit;
    QPushButton *cmdPrint;
    QPushButton *cmdPdf;
    QPushButton *cmdHelp;
    std::unique_ptr<DataControl> datgolf;
    std::unique_ptr<CardHandicap> m_handicap;
};
