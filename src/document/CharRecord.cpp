#include "document/CharRecord.h"

#include <algorithm>
#include <cstring>

namespace doc::CharRecord {

std::optional<Size> ReadSize(const std::string& record) {
  const auto view = View::Of(record);
  if (!view) return std::nullopt;
  return Size{view->Width(), view->Height()};
}

bool IsWellFormed(std::string_view record) {
  const auto view = View::Of(record);
  return view && view->Width() <= MaxSide && view->Height() <= MaxSide && view->HoldsAllCells();
}

bool IsUnchangedClipOf(const std::string& shown, const std::string& stored, int maxWidth, int maxHeight) {
  const auto whole = View::Of(stored);
  if (!whole || !whole->HoldsAllCells()) return false;
  const int w = std::min(whole->Width(), maxWidth), h = std::min(whole->Height(), maxHeight);
  if (w == whole->Width() && h == whole->Height()) return false;  // nothing was cut
  const auto clip = View::Of(shown);
  if (!clip || clip->Width() != w || clip->Height() != h) return false;
  if (clip->StatedLength() != shown.size()) return false;
  for (int y = 0; y < h; ++y)
    if (std::memcmp(clip->Row(y), whole->Row(y), size_t(w)) != 0) return false;
  return true;
}

std::optional<std::string> Encode(const DesignGrid& grid, int width, int height) {
  if (width < 0 || height < 0 || width > MaxSide || height > MaxSide) return std::nullopt;
  std::string out(HeaderSize + static_cast<size_t>(width) * static_cast<size_t>(height), '\0');
  out[0] = static_cast<char>(width / 255);
  out[1] = static_cast<char>(width % 255);
  out[2] = static_cast<char>(height / 255);
  out[3] = static_cast<char>(height % 255);
  const int inW = std::clamp(grid.HighX() + 1, 0, width);
  const int inH = std::clamp(grid.HighY() + 1, 0, height);
  char* dst = out.data() + HeaderSize;
  for (int y = 0; y < inH; ++y) {
    std::memcpy(dst + static_cast<size_t>(y) * width, grid.Row(y) + DesignGrid::Margin, inW);
  }
  return out;
}

std::optional<Decoded> Decode(const std::string& record, DesignGrid& grid) {
  const auto size = ReadSize(record);
  if (!size) return std::nullopt;
  const int w = size->width;
  const int h = size->height;
  Decoded d{std::min(w, std::max(grid.HighX() + 1, 0)), std::min(h, std::max(grid.HighY() + 1, 0))};
  const size_t cells = record.size() - HeaderSize;
  const char* src = record.data() + HeaderSize;
  for (int y = 0; y < d.height; ++y) {
    const size_t rowStart = static_cast<size_t>(y) * static_cast<size_t>(w);
    if (rowStart >= cells) break;
    const size_t n = std::min<size_t>(d.width, cells - rowStart);
    std::memcpy(grid.Row(y) + DesignGrid::Margin, src + rowStart, n);
  }
  return d;
}

}  // namespace doc::CharRecord
