#include "DesignLabel.h"

#include <QPainter>

DesignLabel::DesignLabel(bool isFramed, QWidget *parent)
    : QLabel(parent)
    , framed(isFramed)
{
    if (framed)
        setContentsMargins(1, 1, 1, 1);
}

void DesignLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!framed)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
