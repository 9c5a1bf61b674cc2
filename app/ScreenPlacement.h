#pragma once

#include <QMargins>
#include <QRect>

#include <optional>

// Where a window goes on a screen: all of it, frame included, on the screen's
// available area, however small the screen or large the scale factor. Every
// rectangle is in the screen's logical pixels; client rectangles are the
// window without its frame, which is what the designs place.
//
// The toolkit reports the area and the frame rounded to whole logical pixels,
// and rounds the client area again on its way to device pixels: at 1.5 a
// one-pixel border reads as one logical pixel and a 1024-pixel screen as 683.
// So the frame is kept inside in device pixels, taking the widest frame and
// the smallest area that those rounded numbers may stand for.
namespace ScreenPlacement {

// A screen's area for windows, and how the toolkit maps the screen's logical
// pixels to device pixels: counted from the screen's corner and multiplied by
// the scale factor, each position and length rounded to the nearest.
struct Screen {
    QRect area;
    QPoint corner{};
    qreal scale = 1;
};

// The client area at its design position where the whole window fits there;
// otherwise moved just enough to lie inside the area. Along a side where the
// window is larger than the area, its frame starts where the area starts, so
// that the top strip with its buttons stays within reach.
QRect atDesignPosition(const QRect &designClient, const QMargins &frame, const Screen &screen);

// The client area of a window of this size beside the neighbour's frame, to
// its right or else to its left, tops aligned as far as the area allows;
// nothing where neither side has room for the whole window.
std::optional<QRect> beside(QSize client, const QMargins &frame, const QRect &neighbourFrame, const Screen &screen);

} // namespace ScreenPlacement
