#pragma once

#include <QFrame>
#include <QImage>

// A white drawing area inside a two-pixel sunken edge. What is drawn is kept
// in an image that painting only copies to the screen, so covering,
// uncovering or minimising the window never loses it.
//
// The image holds the screen's own pixels: it is made at the window's device
// pixel ratio, so what is drawn on it is drawn at the screen's resolution and
// stays sharp at any scale factor. The edge is laid on whole screen pixels
// around it, so no gap opens between the two where a design pixel covers a
// fraction of a screen pixel.
class DrawingSurface final : public QFrame
{
    Q_OBJECT

public:
    // box is the surface's place and outer size, edge included.
    DrawingSurface(const QRect &box, QWidget *parent);

    const QImage &image() const { return picture; }
    // The image to draw on. Where the window has moved to a screen of another
    // device pixel ratio since the image was made, it is made anew for that
    // screen, with what it showed enlarged or reduced onto it.
    QImage &canvas();
    // Fills the image with white.
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintEdge(QPainter &painter, const QRect &inside, qreal ratio) const;

    QImage picture;
};
