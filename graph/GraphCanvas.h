#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>

class QImage;

// Draws on the graph's image in its user scale: x runs 0..1100 and y 0..120
// across the whole drawing area, whatever its size in pixels. Like a pen on
// paper it has a current position, which every operation moves.
//
// Points and lines fall on whole pixels of the image, which holds screen
// pixels, and are one design pixel wide: as many screen pixels as the scale
// factor rounds to, the same everywhere.
class GraphCanvas
{
public:
    static constexpr double ScaleWidth = 1100.0;
    static constexpr double ScaleHeight = 120.0;

    GraphCanvas(QImage &image, const QFont &font, const QColor &textColour);

    void line(QPointF from, QPointF to, const QColor &colour);
    void lineTo(QPointF to, const QColor &colour);
    void point(QPointF at, const QColor &colour);
    void setCurrentX(double x) { current.setX(x); }
    void setCurrentY(double y) { current.setY(y); }
    // Writes text with its top-left corner at the current position, then
    // moves to the left edge, one text line lower.
    void print(const QString &text);

    // The image pixel a user point falls on.
    QPoint toPixels(QPointF user) const;

private:
    void usePen(const QColor &colour);
    // Where an image pixel lies in the painter's logical coordinates.
    QPointF logical(QPoint pixel) const;

    QPainter painter;
    QPointF current;
    const qreal ratio;
    const QSizeF pixelsPerUnit;
    const QColor text;
};
