#pragma once

#include "core/handicap/handicap_types.h"

#include <QGroupBox>

#include <array>
#include <optional>
#include <vector>

class QLineEdit;

// The course editor's ratings: for each tee (Blue, White, Red) an optional
// course rating and slope rating, typed as text and checked before anything
// is saved.
class TeeRatingsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit TeeRatingsBox(QWidget *parent);

    void clear();
    void show(const std::vector<handicap::RatedTee> &ratings);

    // The ratings typed for the course, or nothing with `problem` saying what
    // to correct (the box at fault gets the focus).
    std::optional<std::vector<handicap::RatedTee>> ratings(const QString &course, QString &problem);

    // The boxes in the order Tab visits them.
    QList<QWidget *> boxes() const;

private:
    std::array<QLineEdit *, 3> txtRating {};
    std::array<QLineEdit *, 3> txtSlope {};
};
