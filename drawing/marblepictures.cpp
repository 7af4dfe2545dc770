#include "drawing/marblepictures.h"

#include <QPixmap>
#include <QRgb>
#include <algorithm>
#include <array>
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

} // namespace

QImage marblePicture(int id, int scale, int zoom) {
    const auto colours = marbleColours(id);
    if (!colours)
        return QImage();
    QImage image(kPictureSize, kPictureSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kPictureSize; ++y)
        for (int x = 0; x < kPictureSize; ++x)
            if (inDisc(x, y))
                image.setPixel(x, y, onRing(x, y) ? colours->ring : colours->fill);
    scale = std::max(scale, 1);
    const int size = std::max(1, kPictureSize * scale * zoom / 100);
    // Each device pixel takes the picture's pixel under it, never a blend: pixel art stays crisp.
    if (size != kPictureSize)
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
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
