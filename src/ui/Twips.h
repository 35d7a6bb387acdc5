#pragma once

#include <cmath>

namespace quillora {

// Screen geometry is designed in twips; the screens here have 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return value / kTwipsPerPixel;
}

inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode rounds to even
}

} // namespace quillora
