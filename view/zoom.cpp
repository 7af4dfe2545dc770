#include "view/zoom.h"

#include <algorithm>

namespace pebblenix {

int largestZoom(QSize room, const std::function<QSize(int)>& need) {
    int largest = kZoomSteps.front();
    for (int step : kZoomSteps)
        if (const QSize size = need(step);
            size.width() <= room.width() && size.height() <= room.height())
            largest = step;
    return largest;
}

int zoomIn(int current, int largest) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return next != kZoomSteps.end() && *next <= largest ? *next : current;
}

int zoomOut(int current) {
    const auto here = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), current);
    return here != kZoomSteps.begin() ? *std::prev(here) : current;
}

QPoint pullInside(const QRect& frame, const QRect& room) {
    const auto along = [](int low, int high, int roomLow, int roomHigh) {
        return std::max(roomLow - low, std::min(0, roomHigh - high));
    };
    return {along(frame.left(), frame.right(), room.left(), room.right()),
            along(frame.top(), frame.bottom(), room.top(), room.bottom())};
}

QPoint centredIn(QSize size, const QRect& room) {
    QRect frame({}, size);
    frame.moveCenter(room.center());
    return frame.topLeft() + pullInside(frame, room);
}

} // namespace pebblenix
