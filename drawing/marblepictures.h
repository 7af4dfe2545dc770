#pragma once
// The twelve marble pictures (ids 101 to 112) and the application icon (id 1, the same
// dark-blue marble), drawn as 32 x 32 pixel art: a disc with a one-pixel ring,
// transparent outside.

#include <QIcon>
#include <QImage>

namespace pebblenix {

inline constexpr int kPictureSize = 32;
inline constexpr int kAppIconId = 1;

// The picture for an id, drawn afresh at `zoom` percent of its size and `scale` device
// pixels to a pixel, with the device pixel ratio set to `scale`. Each device pixel takes
// the colour of the picture's pixel under its centre, so the picture stays crisp at every
// size: whole blocks at whole multiples, and never a blended pixel between them.
// A null image for any id other than 1 and 101 to 112.
QImage marblePicture(int id, int scale = 1, int zoom = 100);

// The program's icon for title bars, sharp at device pixel ratios 1 and 2.
QIcon applicationIcon();

} // namespace pebblenix
