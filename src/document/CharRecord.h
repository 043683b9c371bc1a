#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// A record as it is read: the size its header states and its cells, never read past
// the record's end, whatever the header says. Every reader of records goes through
// it, so a short or damaged record is met the same way everywhere. It refers to the
// record's bytes, which must outlive it.
class View {
 public:
  // nullopt for a record shorter than its header (an empty one is no design).
  static std::optional<View> Of(std::string_view record) {
    if (record.size() < HeaderSize) return std::nullopt;
    const auto b = [&](size_t i) { return static_cast<uint8_t>(record[i]); };
    return View(reinterpret_cast<const uint8_t*>(record.data()) + HeaderSize, record.size() - HeaderSize,
                b(0) * 255 + b(1), b(2) * 255 + b(3));
  }
  // A view of a temporary would outlive its bytes.
  static std::optional<View> Of(std::string&&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The length the header states for the whole record: itself and W x H cells.
  uint64_t StatedLength() const { return HeaderSize + Cells(); }
  // True when the record holds at least its W x H cells; bytes beyond them are allowed.
  bool HoldsAllCells() const { return cellBytes_ >= Cells(); }
  // Cell (x, y) for 0 <= x < Width, 0 <= y < Height; the cells a short record lacks read 0.
  uint8_t At(int x, int y) const {
    const size_t i = static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    return i < cellBytes_ ? cells_[i] : 0;
  }
  // The Width cells of row y (0 <= y < Height) of a record that HoldsAllCells, for fast loops.
  const uint8_t* Row(int y) const { return cells_ + static_cast<size_t>(y) * static_cast<size_t>(width_); }

 private:
  View(const uint8_t* cells, size_t cellBytes, int width, int height)
      : cells_(cells), cellBytes_(cellBytes), width_(width), height_(height) {}
  uint64_t Cells() const { return uint64_t(width_) * uint64_t(height_); }

  const uint8_t* cells_;
  size_t cellBytes_;
  int width_;
  int height_;
};

// The size bytes of a record; nullopt for a record shorter than its header.
std::optional<Size> ReadSize(const std::string& record);

// The record check of the font file and of an import: a header whose sides the codec
// can write (at most MaxSide: size bytes 255, 255 are no size), and at least its W x H
// cells. Bytes beyond the cells are allowed (they are kept as they are).
bool IsWellFormed(std::string_view record);

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
