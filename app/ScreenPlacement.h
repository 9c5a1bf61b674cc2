#pragma once

#include <QMargins>
#include <QRect>

#include <optional>

// Where a window goes on a screen: all of it, frame included, on the screen's
// available area, however small the screen or large the scale factor. Every
// rectangle is in the screen's logical pixels; client rectangles are the
// window without its frame, which is what the designs place.
namespace ScreenPlacement {

// The client area at its design position where the whole window fits there;
// otherwise moved just enough to lie inside the area. Along a side where the
// window is larger than the area, its frame starts where the area starts, so
// that the top strip with its buttons stays within reach.
QRect atDesignPosition(const QRect &designClient, const QMargins &frame, const QRect &area);

// The client area of a window of this size beside the neighbour's frame, to
// its right or else to its left, tops aligned as far as the area allows;
// nothing where neither side has room for the whole window.
std::optional<QRect> beside(QSize client, const QMargins &frame, const QRect &neighbourFrame, const QRect &area);

} // namespace ScreenPlacement
