#include "editor/Tools.h"

#include <cmath>

namespace editor {

int64_t CellOf(float v, int32_t cellSize) {
  const double c = std::floor(static_cast<double>(v) / std::max(1, cellSize));
  if (std::isnan(c)) return -CellLimit;
  return static_cast<int64_t>(std::clamp(c, static_cast<double>(-CellLimit), static_cast<double>(CellLimit)));
}

bool BeyondOneCell(double d1, double d2, int32_t cellSize) { return std::fabs(d2 - d1) >= std::max(1, cellSize); }

}  // namespace editor
