#pragma once
// The marks drawn over the board's holes: Show Jumps' three, the ring round a picked-up
// marble and the frame of a chosen jump's holes. Each is a dark line inside a light halo,
// so that it shows on the board and on every marble colour, in any theme, and each has a
// shape of its own: a ring with a tick where a jump keeps the centre finish, a cross where
// it loses it, a small dot where that is not known yet. None is a disc that could be taken
// for a marble.

#include "view/jumpmarks.h"

#include <QtGlobal>

class QPainter;
class QPointF;
class QRectF;

namespace pebblenix {

// Each is drawn about `centre`, or inside `cell`, with `unit` pixels to a pixel at 100 %.
void drawJumpMark(QPainter& painter, const QPointF& centre, qreal unit, JumpMark mark);
void drawPickedRing(QPainter& painter, const QPointF& centre, qreal unit);
void drawChosenHole(QPainter& painter, const QRectF& cell, qreal unit);

} // namespace pebblenix
