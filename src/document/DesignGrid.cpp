#include "document/DesignGrid.h"

#include <algorithm>

namespace doc {

void DesignGrid::ReDim(int maxWidth, int maxHeight) {
  highX_ = std::max(maxWidth + Margin, -Margin - 1);
  highY_ = std::max(maxHeight + Margin, -Margin - 1);
  const size_t w = static_cast<size_t>(highX_ + Margin + 1);
  const size_t h = static_cast<size_t>(highY_ + Margin + 1);
  cells_.assign(w * h, 0);
}

void DesignGrid::ClearFromOrigin() {
  for (int y = 0; y <= highY_; ++y) {
    uint8_t* row = Row(y) + Margin;
    std::fill(row, row + (highX_ + 1), uint8_t{0});
  }
}

}  // namespace doc
