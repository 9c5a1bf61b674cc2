#include "ScreenPlacement.h"

#include <algorithm>

namespace {

// The start of a stretch of this length, moved just enough to lie between
// areaStart and areaEnd (exclusive), or at areaStart where it is too long.
int keptInside(int start, int length, int areaStart, int areaEnd)
{
    if (length >= areaEnd - areaStart)
        return areaStart;
    return std::clamp(start, areaStart, areaEnd - length);
}

QRect keptInside(const QRect &frame, const QRect &area)
{
    return QRect(QPoint(keptInside(frame.x(), frame.width(), area.x(), area.x() + area.width()),
                        keptInside(frame.y(), frame.height(), area.y(), area.y() + area.height())),
                 frame.size());
}

} // namespace

QRect ScreenPlacement::atDesignPosition(const QRect &designClient, const QMargins &frame, const QRect &area)
{
    return keptInside(designClient.marginsAdded(frame), area).marginsRemoved(frame);
}

std::optional<QRect> ScreenPlacement::beside(QSize client, const QMargins &frame, const QRect &neighbourFrame,
                                             const QRect &area)
{
    const QSize frameSize = client.grownBy(frame);
    for (const int left : {neighbourFrame.right() + 1, neighbourFrame.left() - frameSize.width()}) {
        const QRect there(QPoint(left, neighbourFrame.top()), frameSize);
        if (there.left() >= area.left() && there.right() <= area.right())
            return keptInside(there, area).marginsRemoved(frame);
    }
    return std::nullopt;
}
