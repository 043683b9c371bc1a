#include "editor/Tools.h"

#include <algorithm>
#include <cmath>

namespace editor {

int64_t CellOf(float v, int32_t cellSize) {
  const double c = std::floor(static_cast<double>(v) / std::max(1, cellSize));
  if (std::isnan(c)) return -doc::CellLimit;
  return static_cast<int64_t>(std::clamp(c, static_cast<double>(-doc::CellLimit), static_cast<double>(doc::CellLimit)));
}

bool BeyondOneCell(double d1, double d2, int32_t cellSize) { return std::fabs(d2 - d1) >= std::max(1, cellSize); }

}  // namespace editor
