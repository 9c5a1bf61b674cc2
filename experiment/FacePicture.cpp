#include "FacePicture.h"

#include <QPainter>

FacePicture::FacePicture(const QImage &face, QWidget *parent)
    : QWidget(parent)
    , image(face)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FacePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), image);
}
