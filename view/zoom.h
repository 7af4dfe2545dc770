#pragma once
// The View menu's zoom steps and where a window stands on its screen, decided from sizes
// alone: the room a screen leaves free, and the window's size at each step.

#include "files/settings.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

namespace pebblenix {

// The largest step at which a window of size `need(step)` fits `room`; 100 % when none
// does, as no window is smaller.
int largestZoom(QSize room, const std::function<QSize(int step)>& need);
// Zoom In: the next step up when it is no larger than `largest`; otherwise `current`, so
// that a window on a smaller screen than its step needs never steps down.
int zoomIn(int current, int largest);
// Zoom Out: the next step down, or `current` at the smallest.
int zoomOut(int current);

// How far to move a window whose frame is `frame` so that it lies inside `room`; a frame
// larger than the room keeps its top left corner, with the title and menu bars, inside.
QPoint pullInside(const QRect& frame, const QRect& room);
// Where a new window's frame of `size` stands: centred on `room`, then pulled inside it.
QPoint centredIn(QSize size, const QRect& room);

} // namespace pebblenix
