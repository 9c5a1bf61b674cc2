#pragma once

#include <QFrame>
#include <QImage>

// A white drawing area inside a two-pixel sunken edge. What is drawn is kept
// in an image that painting only copies to the screen, so covering,
// uncovering or minimising the window never loses it.
class DrawingSurface final : public QFrame
{
    Q_OBJECT

public:
    // box is the surface's place and outer size, edge included.
    DrawingSurface(const QRect &box, QWidget *parent);

    QImage &image() { return picture; }
    const QImage &image() const { return picture; }
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
};
