#include "ui/nine_switch.h"

#include "ui/form_controls.h"

NineSwitch::NineSwitch(QWidget *parent, const QString &name, const QString &tip)
    : QPushButton(parent)
{
    setUpButton(this, name, captionFor(false), tip);
}

void NineSwitch::setBackNineShown(bool backNine)
{
    m_backNineShown = backNine;
    setCaption(this, captionFor(backNine));
}

QString NineSwitch::captionFor(bool backNineShown)
{
    return backNineShown ? QStringLiteral("&Front Nine") : QStringLiteral("&Back Nine");
}
