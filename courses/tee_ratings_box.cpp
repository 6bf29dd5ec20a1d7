#include "courses/tee_ratings_box.h"

#include "core/handicap/rating_entry.h"
#include "core/handicap/tees.h"
#include "core/handicap/tenths_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using handicap::tees;

namespace {

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &accessibleName, int maxLength)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setMaxLength(maxLength);
    box->setMaximumWidth(70);
    return box;
}

} // namespace

TeeRatingsBox::TeeRatingsBox(QWidget *parent)
    : QGroupBox(QStringLiteral("Tee Ratings"), parent)
{
    setObjectName(QStringLiteral("fraRatings"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Course rating"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Slope"), this), 0, 2);
    for (std::size_t i = 0; i < tees.size(); ++i) {
        const QString caption = handicap::teeCaption(tees[i]);
        txtRating[i]
            = makeBox(this, QStringLiteral("txtRating_%1").arg(i), caption + QStringLiteral(" course rating"), 5);
        txtSlope[i] = makeBox(this, QStringLiteral("txtSlope_%1").arg(i), caption + QStringLiteral(" slope rating"), 3);
        txtRating[i]->setPlaceholderText(QStringLiteral("71.3"));
        txtSlope[i]->setPlaceholderText(QStringLiteral("113"));
        auto *label = new QLabel(caption, this);
        label->setBuddy(txtRating[i]);
        grid->addWidget(label, int(i) + 1, 0);
        grid->addWidget(txtRating[i], int(i) + 1, 1);
        grid->addWidget(txtSlope[i], int(i) + 1, 2);
    }
}

void TeeRatingsBox::clear()
{
    for (std::size_t i = 0; i < tees.size(); ++i) {
        txtRating[i]->clear();
        txtSlope[i]->clear();
    }
}

void TeeRatingsBox::show(const std::vector<handicap::RatedTee> &ratings)
{
    clear();
    for (const handicap::RatedTee &rating : ratings) {
        for (std::size_t i = 0; i < tees.size(); ++i) {
            if (rating.tee == handicap::teeKey(tees[i])) {
                txtRating[i]->setText(handicap::tenthsText(rating.courseRatingTenths));
                txtSlope[i]->setText(QString::number(rating.slope));
            }
        }
    }
}

std::optional<std::vector<handicap::RatedTee>> TeeRatingsBox::ratings(const QString &course, QString &problem)
{
    std::vector<handicap::RatedTee> ratings;
    for (std::size_t i = 0; i < tees.size(); ++i) {
        const handicap::RatingEntry entry
            = handicap::readRatingEntry(course, tees[i], txtRating[i]->text(), txtSlope[i]->text());
        if (!entry.problem.isEmpty()) {
            problem = entry.problem;
            txtRating[i]->setFocus(Qt::OtherFocusReason);
            return std::nullopt;
        }
        if (entry.rating) {
            ratings.push_back(*entry.rating);
        }
    }
    return ratings;
}

QList<QWidget *> TeeRatingsBox::boxes() const
{
    QList<QWidget *> order;
    for (std::size_t i = 0; i < tees.size(); ++i) {
        order << txtRating[i] << txtSlope[i];
    }
    return order;
}
