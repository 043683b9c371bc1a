#pragma once
// Display colours of cell values shared by every picture of a glyph.
#include <QRgb>
#include <array>
#include <cstdint>

namespace doc {

// Display colour of cell values 16..255, which only damaged input holds and which have no
// palette entry: a fixed colour that the palette lacks, so that such cells stand out.
inline constexpr QRgb DamagedCellColor = qRgb(255, 0, 128);

// Display colour of a non-zero cell value: the palette entry for 1..15, DamagedCellColor above.
inline QRgb CellInkColor(const std::array<QRgb, 16>& colorTable, uint8_t v) {
  return v < colorTable.size() ? colorTable[v] : DamagedCellColor;
}

}  // namespace doc
