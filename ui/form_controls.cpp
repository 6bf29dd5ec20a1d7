#include "ui/form_controls.h"

#include "ui/pick_lists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(parent);
    setUpButton(button, name, caption, tip);
    return button;
}

void setUpButton(QPushButton *button, const QString &name, const QString &caption, const QString &tip)
{
    button->setObjectName(name);
    button->setToolTip(tip);
    setCaption(button, caption);
    button->setMinimumHeight(32);
    button->setAutoDefault(true);
}

void setCaption(QAbstractButton *button, const QString &caption)
{
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
}

QComboBox *makePickList(QWidget *parent, const QString &name, const QString &prompt, QAbstractItemModel *names)
{
    auto *list = new QComboBox(parent);
    list->setModel(names);
    // A refill of the names leaves no entry chosen: the prompt shows again.
    QObject::connect(names, &QAbstractItemModel::modelReset, list, [list, prompt] { showPrompt(list, prompt); });
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // The typed text is stored or searched as it stands: completing it from the
    // list would turn "Pat" into "Patricia" behind the user's back.
    list->setCompleter(nullptr);
    list->setAccessibleName(prompt);
    list->setMinimumContentsLength(24);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    showPrompt(list, prompt);
    return list;
}

QLabel *makeCaption(QWidget *parent, const QString &text, QWidget *buddy, const QString &name)
{
    auto *caption = new QLabel(text, parent);
    caption->setObjectName(name);
    caption->setProperty("onGreen", true);
    caption->setBuddy(buddy);
    return caption;
}

QWidget *makeShadowedTitle(QWidget *parent, QLabel *title, QLabel *shadow, const QFont &font)
{
    auto *heading = new QWidget(parent);
    auto *layout = new QGridLayout(heading);
    layout->setContentsMargins(0, 0, 3, 3);
    for (QLabel *label : {shadow, title}) {
        label->setFont(font);
        layout->addWidget(label, 0, 0, Qt::AlignCenter);
    }
    title->setProperty("onGreen", true);
    shadow->setProperty("shadow", true);
    shadow->setContentsMargins(3, 3, 0, 0);
    title->raise();
    return heading;
}

void setPageTitle(QLabel *title)
{
    QFont font(QStringLiteral("Serif"), 22, QFont::Bold);
    font.setItalic(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    title->setProperty("onGreen", true);
}
