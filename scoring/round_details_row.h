#pragma once

#include "core/handicap/handicap_types.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;

// The score card's row for the handicap: the tee played (White first), the
// playing conditions calculation (-1 to 3) and, when known, the course
// handicap the golfer plays to from that tee.
class RoundDetailsRow : public QWidget
{
    Q_OBJECT

public:
    explicit RoundDetailsRow(QWidget *parent);

    // White tee, PCC 0, no course handicap.
    void reset();
    QString tee() const;
    QString teeCaption() const;
    handicap::RoundDetails details(const QDate &playedOn) const;
    void showCourseHandicap(const std::optional<int> &courseHandicap);

Q_SIGNALS:
    void teeChanged();

private:
    QComboBox *cboTee;
    QSpinBox *txtPcc;
    QLabel *lblCourseHandicap;
};
