#pragma once
// Read-only view of one CharRecord for the previews: its size and bounded cell access,
// so that a short or damaged record never reads past its end.
#include <cstdint>
#include <optional>
#include <string>

namespace preview {

class GlyphCells {
 public:
  // nullopt for an empty record (no design) or one shorter than its 4-byte header.
  static std::optional<GlyphCells> Of(const std::string& record) {
    if (record.size() < 4) return std::nullopt;
    const auto b = [&](size_t i) { return static_cast<uint8_t>(record[i]); };
    return GlyphCells(record, b(0) * 255 + b(1), b(2) * 255 + b(3));
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Cell (x, y) for 0 <= x < Width, 0 <= y < Height; cells a short record lacks read 0.
  uint8_t At(int x, int y) const {
    const size_t i = 4 + static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    return i < record_->size() ? static_cast<uint8_t>((*record_)[i]) : 0;
  }

 private:
  GlyphCells(const std::string& r, int w, int h) : record_(&r), width_(w), height_(h) {}
  const std::string* record_;
  int width_;
  int height_;
};

}  // namespace preview
