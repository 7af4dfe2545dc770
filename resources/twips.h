#pragma once
// The windows were laid out in twips, 15 to a pixel at 96 dots per inch.

namespace pebblenix {

constexpr int px(int twips) {
    return twips / 15;
}

} // namespace pebblenix
