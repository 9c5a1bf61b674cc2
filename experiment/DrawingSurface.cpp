#include "DrawingSurface.h"

#include <QPaintEvent>
#include <QPainter>

DrawingSurface::DrawingSurface(const QRect &box, QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(box);
    picture = QImage(contentsRect().size(), QImage::Format_RGB32);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    clear();
}

void DrawingSurface::clear()
{
    picture.fill(Qt::white);
    update();
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QRect dirty = event->rect().intersected(area).translated(-area.topLeft());
    painter.drawImage(area.topLeft() + dirty.topLeft(), picture, dirty);
    drawFrame(&painter);
}
