#pragma once
// The windows were laid out in twips, 15 to a pixel at 96 dots per inch.

namespace pebblenix {

constexpr int px(int twips) {
    return twips / 15;
}

// At a zoom in percent, to the nearest pixel; at 100 the same as px() for the layout's
// lengths, which are all whole pixels.
constexpr int px(int twips, int zoom) {
    return (twips * zoom + 750) / 1500;
}

} // namespace pebblenix
