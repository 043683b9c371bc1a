#include "document/FontSizes.h"

#include <algorithm>

#include "document/CharRecord.h"

namespace doc {

std::optional<QString> CheckFontSizes(double maxWidth, double maxHeight, double width, double height,
                                      GlyphBox fontMaxima) {
  const auto outside = [](double v, int32_t limit, int32_t kept) { return v < 1 || (v > limit && v != kept); };
  if (outside(maxWidth, LargestMaxWidth, fontMaxima.width)) return QStringLiteral("Max width must be between 1-1024");
  if (outside(maxHeight, LargestMaxHeight, fontMaxima.height))
    return QStringLiteral("Max height must be between 1-768");
  // The upper bound is shown as its box shows the maximum.
  if (width < 1 || width > maxWidth)
    return QStringLiteral("Width must be between 1-%1").arg(QString::number(maxWidth, 'g', 15));
  if (height < 1 || height > maxHeight)
    return QStringLiteral("Height must be between 1-%1").arg(QString::number(maxHeight, 'g', 15));
  return std::nullopt;
}

GlyphBox LargestGlyph(const std::vector<std::string>& font) {
  GlyphBox largest;
  int64_t most = -1;
  for (const std::string& record : font) {
    const auto glyph = CharRecord::View::Of(record);
    if (!glyph || !glyph->HoldsAllCells()) continue;
    const int64_t cells = int64_t{glyph->Width()} * glyph->Height();
    if (cells > most) {
      most = cells;
      largest = {glyph->Width(), glyph->Height()};
    }
  }
  return largest;
}

GlyphBox RaisedMaxima(GlyphBox maxima, GlyphBox glyph) {
  return {std::max(maxima.width, glyph.width), std::max(maxima.height, glyph.height)};
}

GlyphBox OpenedMaxima(GlyphBox header, GlyphBox largest) {
  const auto side = [](int32_t claimed, int32_t limit, int32_t glyph) {
    return claimed > limit ? std::min(claimed, std::max(limit, glyph)) : claimed;
  };
  return {side(header.width, LargestMaxWidth, largest.width), side(header.height, LargestMaxHeight, largest.height)};
}

GlyphBox OpenedDefault(GlyphBox header, GlyphBox maxima) {
  return {std::min({header.width, maxima.width, LargestMaxWidth}),
          std::min({header.height, maxima.height, LargestMaxHeight})};
}

}  // namespace doc
