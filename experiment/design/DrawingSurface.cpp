#include "DrawingSurface.h"

#include <QPainter>

namespace {

QImage blankImage(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// The logical rectangle that covers exactly these screen pixels.
QRectF logical(const QRect &device, qreal ratio)
{
    return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio);
}

} // namespace

DrawingSurface::DrawingSurface(const QRect &box, QWidget *parent)
    : QFrame(parent)
{
    // The frame style gives the edge's width and so the drawing area;
    // paintEvent draws the edge itself.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(box);
    picture = blankImage(contentsRect().size(), devicePixelRatio());
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QImage &DrawingSurface::canvas()
{
    const qreal ratio = devicePixelRatio();
    if (picture.devicePixelRatio() != ratio) {
        QImage remade = blankImage(contentsRect().size(), ratio);
        QPainter(&remade).drawImage(QRectF(QPointF(), contentsRect().size()), picture);
        picture = remade;
    }
    return picture;
}

void DrawingSurface::clear()
{
    canvas().fill(Qt::white);
    update();
}

void DrawingSurface::paintEvent(QPaintEvent *)
{
    // Everything below is measured in screen pixels from the surface's
    // corner: the image where its own size puts it, the edge around it.
    const qreal ratio = devicePixelRatio();
    const QPoint corner(qRound(frameWidth() * ratio), qRound(frameWidth() * ratio));
    const QRect inside(corner, contentsRect().size() * ratio);
    QPainter painter(this);
    if (picture.size() == inside.size() && picture.devicePixelRatio() == ratio)
        painter.drawImage(logical(inside, ratio).topLeft(), picture);
    else
        painter.drawImage(logical(inside, ratio), picture);
    paintEdge(painter, inside, ratio);
}

void DrawingSurface::paintEdge(QPainter &painter, const QRect &inside, qreal ratio) const
{
    const QRect outside(QPoint(), size() * ratio);
    // Each side is split into an outer and an inner line, the outer one the
    // width of one design pixel where the side leaves room for both.
    const int line = qMax(1, qRound(ratio));
    const auto outerOf = [line](int side) { return qMin(line, side - 1); };
    const int left = outerOf(inside.left() - outside.left());
    const int top = outerOf(inside.top() - outside.top());
    const int right = outerOf(outside.right() - inside.right());
    const int bottom = outerOf(outside.bottom() - inside.bottom());
    const QRect innerEdge = outside.adjusted(left, top, -right, -bottom);
    const auto fill = [&](const QRect &device, QPalette::ColorRole role) {
        painter.fillRect(logical(device, ratio), palette().color(role));
    };

    // A sunken panel: dark over light outside, shadow over midlight inside;
    // the lower and right lines run the full length, as on the classic panel.
    fill(QRect(outside.left(), outside.bottom() - bottom + 1, outside.width(), bottom), QPalette::Light);
    fill(QRect(outside.right() - right + 1, outside.top(), right, outside.height()), QPalette::Light);
    fill(QRect(outside.left(), outside.top(), outside.width() - right, top), QPalette::Dark);
    fill(QRect(outside.left(), outside.top(), left, outside.height() - bottom), QPalette::Dark);
    fill(QRect(innerEdge.left(), inside.bottom() + 1, innerEdge.width(), innerEdge.bottom() - inside.bottom()),
         QPalette::Midlight);
    fill(QRect(inside.right() + 1, innerEdge.top(), innerEdge.right() - inside.right(), innerEdge.height()),
         QPalette::Midlight);
    fill(QRect(innerEdge.left(), innerEdge.top(), inside.right() + 1 - innerEdge.left(), inside.top() - innerEdge.top()),
         QPalette::Shadow);
    fill(QRect(innerEdge.left(), innerEdge.top(), inside.left() - innerEdge.left(), inside.bottom() + 1 - innerEdge.top()),
         QPalette::Shadow);
}
