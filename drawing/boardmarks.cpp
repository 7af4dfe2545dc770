#include "drawing/boardmarks.h"

#include <QPainter>
#include <QPainterPath>

namespace pebblenix {

namespace {

// The halo first, then the line inside it: black on white shows on any colour.
void stroke(QPainter& painter, const QPainterPath& path, qreal unit, bool filled = false) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [colour, width] : {std::pair{Qt::white, 4.0}, {Qt::black, 2.0}}) {
        painter.setPen(QPen(colour, width * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(filled ? QBrush(colour) : QBrush());
        painter.drawPath(path);
    }
    painter.restore();
}

} // namespace

void drawJumpMark(QPainter& painter, const QPointF& centre, qreal unit, JumpMark mark) {
    QPainterPath path;
    const auto at = [&](qreal x, qreal y) { return centre + QPointF(x, y) * unit; };
    switch (mark) {
    case JumpMark::KeepsFinish: // a ring with a tick in it
        path.addEllipse(centre, 6 * unit, 6 * unit);
        path.moveTo(at(-3, 0));
        path.lineTo(at(-1, 2.5));
        path.lineTo(at(3, -2.5));
        break;
    case JumpMark::LosesFinish: // a cross
        path.moveTo(at(-4, -4));
        path.lineTo(at(4, 4));
        path.moveTo(at(-4, 4));
        path.lineTo(at(4, -4));
        break;
    case JumpMark::Legal: // a small dot
        path.addEllipse(centre, 1.5 * unit, 1.5 * unit);
        break;
    case JumpMark::None:
        return;
    }
    stroke(painter, path, unit, mark == JumpMark::Legal);
}

void drawPickedRing(QPainter& painter, const QPointF& centre, qreal unit) {
    QPainterPath path;
    path.addEllipse(centre, 10 * unit, 10 * unit);
    stroke(painter, path, unit);
}

void drawChosenHole(QPainter& painter, const QRectF& cell, qreal unit) {
    QPainterPath path;
    path.addRoundedRect(cell.adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit), 3 * unit,
                        3 * unit);
    stroke(painter, path, unit);
}

} // namespace pebblenix
