#pragma once

#include <cmath>

// Layouts measured in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(double twips)
{
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel));
}
