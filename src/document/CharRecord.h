#pragma once
#include <optional>
#include <string>

#include "document/DesignGrid.h"

namespace doc {

// One glyph as a byte string: W \ 255, W Mod 255, H \ 255, H Mod 255, then W x H
// cells, rows top to bottom, each row left to right.
namespace CharRecord {

constexpr int HeaderSize = 4;
// Largest size the two base-255 digits can carry: 255 * 255 + 254 (bytes 255, 254).
constexpr int MaxSide = 255 * 255 + 254;

struct Size {
  int width = 0;
  int height = 0;
};

// The size bytes of a record; nullopt for a record shorter than its header.
std::optional<Size> ReadSize(const std::string& record);

// The record check of the font file: a header and at least its W x H cells. Bytes
// beyond the cells are allowed (they are kept as they are).
bool HoldsAllCells(const std::string& record);

// Encodes the area (0, 0)..(w - 1, h - 1) of the grid; cells the grid lacks read as 0.
// Refuses (nullopt) a size below 0 or above MaxSide.
std::optional<std::string> Encode(const DesignGrid& grid, int width, int height);

struct Decoded {
  int width = 0;  // size as applied: the record's size, cut to what the grid holds
  int height = 0;
};

// Writes the record's cells into the grid without clearing it first. A glyph
// larger than the grid is clipped to the grid (its width and height too), and the
// cells a short record lacks stay as they are; nothing is read past the record's
// end and nothing is written outside the grid. nullopt (grid untouched) for a
// record shorter than its 4-byte header.
std::optional<Decoded> Decode(const std::string& record, DesignGrid& grid);

// Whether `shown` is exactly what a grid of maxWidth x maxHeight shows of the larger
// glyph `stored`: its top-left maxWidth x maxHeight cells (each side cut only where the
// glyph exceeds it), unchanged. A glyph shown clipped and not edited since.
bool IsUnchangedClipOf(const std::string& shown, const std::string& stored, int maxWidth, int maxHeight);

}  // namespace CharRecord
}  // namespace doc
