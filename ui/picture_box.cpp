#include "ui/picture_box.h"

#include <QPainter>

PictureBox::PictureBox(const QString &name, QSize size, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(size);
    setVisible(false);
}

void PictureBox::setPicture(const QIcon &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(&painter, rect());
}
