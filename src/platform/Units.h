#pragma once
// Window positions and sizes are given in twips (1440 to the inch); the screen
// counts 96 pixels to the inch, so 15 twips make one pixel.

namespace platform {

inline constexpr double kTwipsPerPixel = 15.0;

constexpr double TwipsToPixels(double twips) { return twips / kTwipsPerPixel; }
constexpr double PixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform
