#include "GraphCanvas.h"

#include <QImage>

GraphCanvas::GraphCanvas(QImage &image, const QFont &font, const QColor &textColour)
    : painter(&image)
    , ratio(image.devicePixelRatio())
    , pixelsPerUnit(image.width() / ScaleWidth, image.height() / ScaleHeight)
    , text(textColour)
{
    // Drawing over an unchanged picture must leave it unchanged: blended
    // text edges would darken with every redraw.
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(crisp);
}

QPoint GraphCanvas::toPixels(QPointF user) const
{
    return QPoint(qRound(user.x() * pixelsPerUnit.width()), qRound(user.y() * pixelsPerUnit.height()));
}

QPointF GraphCanvas::logical(QPoint pixel) const
{
    return QPointF(pixel) / ratio;
}

void GraphCanvas::usePen(const QColor &colour)
{
    // A cosmetic pen is measured in screen pixels, whatever the scale.
    QPen pen(colour, qMax(1, qRound(ratio)));
    pen.setCosmetic(true);
    painter.setPen(pen);
}

void GraphCanvas::line(QPointF from, QPointF to, const QColor &colour)
{
    usePen(colour);
    painter.drawLine(logical(toPixels(from)), logical(toPixels(to)));
    current = to;
}

void GraphCanvas::lineTo(QPointF to, const QColor &colour)
{
    line(current, to, colour);
}

void GraphCanvas::point(QPointF at, const QColor &colour)
{
    usePen(colour);
    painter.drawPoint(logical(toPixels(at)));
    current = at;
}

void GraphCanvas::print(const QString &line)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(text);
    painter.drawText(logical(toPixels(current)) + QPointF(0, metrics.ascent()), line);
    current = QPointF(0.0, current.y() + metrics.height() * ratio / pixelsPerUnit.height());
}
