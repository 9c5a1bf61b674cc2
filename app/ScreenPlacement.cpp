#include "ScreenPlacement.h"

#include <algorithm>
#include <cmath>

using ScreenPlacement::Screen;

namespace {

// A logical position or length in device pixels, rounded as the toolkit
// rounds a window's geometry.
int toDevice(int logical, qreal scale)
{
    return qRound(logical * scale);
}

// The most and the fewest device pixels that the toolkit reports, rounded
// to the nearest, as this many logical pixels.
int mostDevicePixels(int logical, qreal scale)
{
    return int(std::ceil((logical + 0.5) * scale)) - 1;
}

int fewestDevicePixels(int logical, qreal scale)
{
    return std::max(0, int(std::ceil((logical - 0.5) * scale)));
}

// The smallest logical position that lands on this device pixel or after it.
int firstReaching(int device, qreal scale)
{
    int logical = int(std::floor(device / scale));
    while (toDevice(logical, scale) < device)
        ++logical;
    while (toDevice(logical - 1, scale) >= device)
        --logical;
    return logical;
}

// The largest logical position that lands on this device pixel or before it.
int lastWithin(int device, qreal scale)
{
    return firstReaching(device + 1, scale) - 1;
}

// One direction of a window and of the area, in logical pixels counted from
// the screen's corner: the client area's length, the frame's widths before
// and after it, and where the area starts and how long it is.
struct Axis {
    int length;
    int before;
    int after;
    int areaStart;
    int areaLength;
};

Axis across(QSize client, const QMargins &frame, const Screen &screen)
{
    return {client.width(), frame.left(), frame.right(), screen.area.x() - screen.corner.x(), screen.area.width()};
}

Axis down(QSize client, const QMargins &frame, const Screen &screen)
{
    return {client.height(), frame.top(), frame.bottom(), screen.area.y() - screen.corner.y(), screen.area.height()};
}

// The client starts at which the frame lies on the area in device pixels:
// first to last, none (first after last) where the window is larger.
struct Starts {
    int first;
    int last;

    bool contains(int start) const { return start >= first && start <= last; }
};

Starts startsInside(const Axis &axis, qreal scale)
{
    const int areaStart = mostDevicePixels(axis.areaStart, scale);
    const int areaEnd = fewestDevicePixels(axis.areaStart, scale) + fewestDevicePixels(axis.areaLength, scale);
    return {firstReaching(areaStart + mostDevicePixels(axis.before, scale), scale),
            lastWithin(areaEnd - mostDevicePixels(axis.after, scale) - toDevice(axis.length, scale), scale)};
}

// The start, moved just enough to put the frame on the area, or the frame at
// the area's start where the window is larger.
int keptInside(int start, const Axis &axis, qreal scale)
{
    const Starts starts = startsInside(axis, scale);
    return starts.first > starts.last ? starts.first : std::clamp(start, starts.first, starts.last);
}

} // namespace

QRect ScreenPlacement::atDesignPosition(const QRect &designClient, const QMargins &frame, const Screen &screen)
{
    const QPoint design = designClient.topLeft() - screen.corner;
    const QPoint start(keptInside(design.x(), across(designClient.size(), frame, screen), screen.scale),
                       keptInside(design.y(), down(designClient.size(), frame, screen), screen.scale));
    return QRect(screen.corner + start, designClient.size());
}

std::optional<QRect> ScreenPlacement::beside(QSize client, const QMargins &frame, const QRect &neighbourFrame,
                                             const Screen &screen)
{
    const Starts inside = startsInside(across(client, frame, screen), screen.scale);
    const QPoint neighbour = neighbourFrame.topLeft() - screen.corner;
    const int frameWidth = client.grownBy(frame).width();
    for (const int left : {neighbour.x() + neighbourFrame.width(), neighbour.x() - frameWidth}) {
        const int start = left + frame.left();
        if (inside.contains(start)) {
            const int top = keptInside(neighbour.y() + frame.top(), down(client, frame, screen), screen.scale);
            return QRect(screen.corner + QPoint(start, top), client);
        }
    }
    return std::nullopt;
}
