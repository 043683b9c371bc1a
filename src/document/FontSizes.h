#pragma once
// The rules of the font's maximum and default glyph size: the checks of the settings
// dialog, and the maxima that a pasted, drawn, imported or opened glyph needs.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace doc {

// The largest maxima the settings dialog allows. A pasted or imported glyph may raise
// the maxima beyond them; an opened font never makes a grid larger than it needs.
constexpr int32_t LargestMaxWidth = 1024;
constexpr int32_t LargestMaxHeight = 768;

struct GlyphBox {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const GlyphBox&) const = default;
};

// The message of the first failing check, in the order maximum width, maximum height,
// default width, default height; nullopt when all four pass. The sizes are the
// numbers the boxes hold, not yet rounded: 1024.4 is too wide, 0.6 too small. A maximum
// equal to the font's own (a paste or an import may have raised it past the limit) is
// accepted, so the other fields can be changed without clipping the large glyph.
std::optional<QString> CheckFontSizes(double maxWidth, double maxHeight, double width, double height,
                                      GlyphBox fontMaxima);

// The size of the glyph with the most cells (the first of equal ones in code order);
// 0 x 0 for a font without glyphs. Records shorter than their size header are skipped.
GlyphBox LargestGlyph(const std::vector<std::string>& font);

// The maxima with each side raised to the glyph's where it is smaller, so the whole
// glyph fits the grid; never lowered.
GlyphBox RaisedMaxima(GlyphBox maxima, GlyphBox glyph);

// The maxima a font opens with. A side beyond the settings dialog's limit comes down
// to that side of its largest glyph, never below the limit; a side within it stays.
// So the grid is never larger than the largest glyph's box raised to 1024 x 768,
// whatever the header claims.
GlyphBox OpenedMaxima(GlyphBox header, GlyphBox largest);

// The default size a font opens with: within its maxima and within the settings
// dialog's limits, as every font this program writes has it; every glyph without
// data is made this large.
GlyphBox OpenedDefault(GlyphBox header, GlyphBox maxima);

}  // namespace doc
