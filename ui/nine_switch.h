#pragma once

#include <QPushButton>

// The button that switches a card between its two nines. It knows which nine
// is shown; its caption names the nine it switches to: "&Back Nine" while the
// front nine is shown, "&Front Nine" while the back nine is.
class NineSwitch : public QPushButton
{
    Q_OBJECT

public:
    NineSwitch(QWidget *parent, const QString &name, const QString &tip = {});

    bool backNineShown() const { return m_backNineShown; }
    void setBackNineShown(bool backNine);

    static QString captionFor(bool backNineShown);

private:
    bool m_backNineShown = false;
};
