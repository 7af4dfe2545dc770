#include "drawing/marblepictures.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRgb>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace pebblenix {

namespace {

struct Span {
    int first;
    int last;
};

constexpr int kDiscTop = 8;
// The disc's columns, row by row from row 8 to row 23.
constexpr std::array<Span, 16> kDiscRows = {{{14, 18},
                                             {12, 20},
                                             {11, 21},
                                             {10, 22},
                                             {10, 22},
                                             {9, 23},
                                             {9, 23},
                                             {9, 23},
                                             {9, 23},
                                             {9, 23},
                                             {9, 23},
                                             {10, 22},
                                             {10, 22},
                                             {11, 21},
                                             {12, 20},
                                             {14, 18}}};

constexpr QRgb kWhite = qRgb(255, 255, 255);

bool inDisc(int x, int y) {
    const int row = y - kDiscTop;
    if (row < 0 || row >= static_cast<int>(kDiscRows.size()))
        return false;
    const Span span = kDiscRows[static_cast<std::size_t>(row)];
    return x >= span.first && x <= span.last;
}

bool onRing(int x, int y) {
    return inDisc(x, y) &&
           (!inDisc(x - 1, y) || !inDisc(x + 1, y) || !inDisc(x, y - 1) || !inDisc(x, y + 1));
}

struct MarbleColours {
    QRgb fill;
    QRgb ring;
};

// Nothing for an id without a picture.
std::optional<MarbleColours> marbleColours(int id) {
    switch (id) {
    case kAppIconId:
    case 101:
        return MarbleColours{qRgb(0, 0, 128), kWhite};
    case 102:
        return MarbleColours{qRgb(255, 0, 0), kWhite};
    case 103:
        return MarbleColours{qRgb(255, 255, 0), kWhite};
    case 104:
        return MarbleColours{qRgb(0, 128, 0), kWhite};
    case 105:
        return MarbleColours{qRgb(255, 0, 255), kWhite};
    case 106:
        return MarbleColours{qRgb(0, 0, 255), kWhite};
    case 107:
        return MarbleColours{qRgb(128, 0, 128), kWhite};
    case 108:
        return MarbleColours{qRgb(0, 255, 255), kWhite};
    case 109:
        return MarbleColours{qRgb(128, 0, 0), kWhite};
    case 110:
        return MarbleColours{kWhite, kWhite};
    case 111:
        return MarbleColours{qRgb(128, 128, 0), qRgb(128, 128, 0)};
    case 112:
        return MarbleColours{qRgb(0, 0, 0), qRgb(0, 0, 0)};
    default:
        return std::nullopt;
    }
}

// An ellipse as a polygon of many sides: the painter's own curves are cut into sides a
// fraction of a pixel off, which shows as an uneven edge on a large disc.
QPolygonF ellipse(const QRectF& bounds) {
    constexpr int kSides = 360;
    QPolygonF sides;
    for (int i = 0; i < kSides; ++i) {
        const double angle = 2 * M_PI * i / kSides;
        sides << bounds.center() + QPointF(std::cos(angle) * bounds.width() / 2,
                                           std::sin(angle) * bounds.height() / 2);
    }
    return sides;
}

// The disc as a shape rather than pixels: the ring colour over the whole disc and the fill
// a picture pixel inside it, each edge anti-aliased. Drawn premultiplied, so that the edge
// fades into transparency and never into the black of the transparent pixels.
QImage smoothMarble(const MarbleColours& colours, qreal ratio, int zoom) {
    const qreal unit = std::max(ratio, 0.5) * zoom / 100.0; // device pixels to a picture pixel
    const int size = std::max(1, qRound(kPictureSize * unit));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(qreal(size) / kPictureSize, qreal(size) / kPictureSize);
    painter.setBrush(QColor(colours.ring));
    painter.drawPolygon(ellipse(kMarbleDisc));
    painter.setBrush(QColor(colours.fill));
    painter.drawPolygon(ellipse(kMarbleDisc.adjusted(1, 1, -1, -1)));
    painter.end();
    image.setDevicePixelRatio(size * 100.0 / (kPictureSize * zoom));
    return image;
}

} // namespace

QImage marblePicture(int id, qreal ratio, int zoom) {
    const auto colours = marbleColours(id);
    if (!colours)
        return QImage();
    if (zoom != 100)
        return smoothMarble(*colours, ratio, zoom);
    QImage image(kPictureSize, kPictureSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kPictureSize; ++y)
        for (int x = 0; x < kPictureSize; ++x)
            if (inDisc(x, y))
                image.setPixel(x, y, onRing(x, y) ? colours->ring : colours->fill);
    // Each device pixel takes the picture's pixel under it, never a blend: pixel art stays crisp.
    const int scale = std::max(1, static_cast<int>(std::ceil(ratio)));
    if (scale != 1)
        image = image.scaled(kPictureSize * scale, kPictureSize * scale, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    image.setDevicePixelRatio(scale);
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int scale : {1, 2})
        icon.addPixmap(QPixmap::fromImage(marblePicture(kAppIconId, scale)));
    return icon;
}

} // namespace pebblenix
