#pragma once
// The ink/paper rule shared by the import from a system font and the paste of a
// clipboard bitmap.
#include <QImage>
#include <QRgb>
#include <cstdint>

namespace editor {

constexpr int32_t SampledPaperColor = 0xFFFFFF;
constexpr int32_t SampledInkColor = 0;

// SampledPaperColor for a point outside the picture, of its background colour or pure
// white; SampledInkColor for every other colour, grey edges of smoothed text included.
// A translucent pixel is seen as it shows over the background.
int32_t GetPointColor(int x, int y, const QImage& picture, QRgb backColor = qRgb(255, 255, 255));

}  // namespace editor
