#include "scoring/round_details_row.h"

#include "core/handicap/tee_course_handicap.h"
#include "core/handicap/tees.h"
#include "ui/form_controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

RoundDetailsRow::RoundDetailsRow(QWidget *parent)
    : QWidget(parent)
    , cboTee(new QComboBox(this))
    , txtPcc(new QSpinBox(this))
    , lblCourseHandicap(new QLabel(this))
{
    setObjectName(QStringLiteral("fraRoundDetails"));
    cboTee->setObjectName(QStringLiteral("cboTee"));
    cboTee->setAccessibleName(QStringLiteral("Tee"));
    for (const handicap::Tee &tee : handicap::tees) {
        cboTee->addItem(handicap::teeCaption(tee), handicap::teeKey(tee));
    }
    txtPcc->setObjectName(QStringLiteral("txtPcc"));
    txtPcc->setAccessibleName(QStringLiteral("Playing conditions calculation"));
    txtPcc->setToolTip(QStringLiteral(" Playing conditions calculation of the day, -1 to 3 "));
    txtPcc->setRange(-1, 3);
    lblCourseHandicap->setObjectName(QStringLiteral("lblCourseHandicap"));
    lblCourseHandicap->setAccessibleDescription(QStringLiteral("Course handicap of the golfer from this tee"));
    lblCourseHandicap->setProperty("onGreen", true);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(lblCourseHandicap);
    row->addSpacing(16);
    row->addWidget(makeCaption(this, QStringLiteral("&Tee:"), cboTee, QStringLiteral("lblTee")));
    row->addWidget(cboTee);
    row->addWidget(makeCaption(this, QStringLiteral("PC&C:"), txtPcc, QStringLiteral("lblPcc")));
    row->addWidget(txtPcc);
    reset();

    connect(cboTee, qOverload<int>(&QComboBox::currentIndexChanged), this, &RoundDetailsRow::teeChanged);
}

void RoundDetailsRow::reset()
{
    cboTee->setCurrentIndex(cboTee->findData(QString::fromLatin1(handicap::usualTee)));
    txtPcc->setValue(0);
    showCourseHandicap(std::nullopt);
}

QString RoundDetailsRow::tee() const
{
    return cboTee->currentData().toString();
}

QString RoundDetailsRow::teeCaption() const
{
    return cboTee->currentText().remove(QLatin1Char('&'));
}

handicap::RoundDetails RoundDetailsRow::details(const QDate &playedOn) const
{
    return {tee(), playedOn, txtPcc->value()};
}

void RoundDetailsRow::showCourseHandicap(const std::optional<int> &courseHandicap)
{
    if (!courseHandicap) {
        lblCourseHandicap->clear();
        return;
    }
    lblCourseHandicap->setText(QStringLiteral("Course handicap: ") + handicap::courseHandicapText(*courseHandicap));
}
