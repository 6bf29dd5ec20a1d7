#include "scoring/clear_card.h"

#include "app/seams.h"
#include "courses/card_grid.h"
#include "data/pick_lists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

template<typename Control> Control *find(QWidget *window, const QString &name)
{
    return window->findChild<Control *>(name);
}

void setLabel(QWidget *window, const QString &name, const QString &text)
{
    if (auto *label = find<QLabel>(window, name)) {
        label->setText(text);
    }
}

void setBox(QWidget *window, const QString &name, const QString &text)
{
    if (auto *box = find<QLineEdit>(window, name)) {
        box->setText(text);
    }
}

void setList(QWidget *window, const QString &name, const QString &prompt)
{
    if (auto *list = find<QComboBox>(window, name)) {
        showPrompt(list, prompt);
    }
}

} // namespace

void clear_card(QWidget *cardWindow, const Clock &clock)
{
    const bool scoreCard = cardWindow->objectName() == QLatin1String("frmScoreround");
    const QString zero = QStringLiteral("0");
    for (int i = 0; i < 9; ++i) {
        for (const char *row : {"lblb1", "lblw1", "lblr1", "lblp1", "lblh1"}) {
            setLabel(cardWindow, cardArrayName(row, i), zero);
        }
        if (scoreCard) {
            setBox(cardWindow, cardArrayName("txth1", i), zero);
            setBox(cardWindow, cardArrayName("putts", i), zero);
        }
    }
    for (const char *total : {"lblby", "lblwy", "lblry", "lblpf9", "lblbtot", "lblwtot", "lblrtot", "lblptot"}) {
        setLabel(cardWindow, QString::fromLatin1(total), zero);
    }
    setList(cardWindow, QStringLiteral("cboCourse"), PickLists::coursePrompt());
    if (scoreCard) {
        setList(cardWindow, QStringLiteral("cboPlayer"), PickLists::golferPrompt(PickLists::ScoreCardGolfers));
        setBox(cardWindow, QStringLiteral("txtDate"), clock.today());
        setBox(cardWindow, QStringLiteral("txtName"), QString());
    }
}
