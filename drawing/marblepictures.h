#pragma once
// The twelve marble pictures (ids 101 to 112) and the application icon (id 1, the same
// dark-blue marble), drawn as 32 x 32 pixel art: a disc with a one-pixel ring,
// transparent outside.

#include <QIcon>
#include <QImage>
#include <QRectF>

namespace pebblenix {

inline constexpr int kPictureSize = 32;
inline constexpr int kAppIconId = 1;

// The picture for an id at `zoom` percent of its size, drawn for `ratio` device pixels to
// a pixel and with that device pixel ratio. At 100 % it is the pixel art itself, each of
// its pixels a sharp block of the ratio rounded up; at every other step it is drawn afresh
// for the device's pixels: a smooth disc with the picture's ring and fill, its edge
// anti-aliased against transparency. A null image for any id other than 1 and 101 to 112.
QImage marblePicture(int id, qreal ratio = 1, int zoom = 100);

// The disc's bounds in the picture's pixels: columns 9 to 23, rows 8 to 23.
inline constexpr QRectF kMarbleDisc(9, 8, 15, 16);

// The program's icon for title bars, sharp at device pixel ratios 1 and 2.
QIcon applicationIcon();

} // namespace pebblenix
