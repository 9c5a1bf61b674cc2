#include "FacePicture.h"

#include "FaceScaling.h"

#include <QPainter>

FacePicture::FacePicture(const QImage &face, QWidget *parent)
    : QWidget(parent)
    , image(face)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FacePicture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatio();
    const QSize screenSize = size() * ratio;
    if (scaled.size() != screenSize || scaled.devicePixelRatio() != ratio) {
        scaled = scaleFace(image, screenSize);
        scaled.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawImage(QPointF(), scaled);
}
