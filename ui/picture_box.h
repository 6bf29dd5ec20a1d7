#pragma once

#include <QIcon>
#include <QWidget>

// A picture of the shared picture list shown at a fixed size. It is drawn when
// painted, so windows built hidden at start-up draw nothing until shown.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &name, QSize size, QWidget *parent);

    void setPicture(const QIcon &picture);
    QIcon picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_picture;
};
