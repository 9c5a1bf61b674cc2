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
    // Four filled one-pixel strips rather than a pen, so the frame scales
    // with the display like everything else.
    QPainter painter(this);
    const int w = width();
    const int h = height();
    for (const QRect &edge : {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(edge, Qt::black);
}
