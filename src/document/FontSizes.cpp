#include "document/FontSizes.h"

namespace doc {

std::optional<QString> CheckFontSizes(double maxWidth, double maxHeight, double width, double height) {
  if (maxWidth < 1 || maxWidth > 1024) return QStringLiteral("Max width must be between 1-1024");
  if (maxHeight < 1 || maxHeight > 768) return QStringLiteral("Max height must be between 1-768");
  // The upper bound is shown as its box shows the maximum.
  if (width < 1 || width > maxWidth)
    return QStringLiteral("Width must be between 1-%1").arg(QString::number(maxWidth, 'g', 15));
  if (height < 1 || height > maxHeight)
    return QStringLiteral("Height must be between 1-%1").arg(QString::number(maxHeight, 'g', 15));
  return std::nullopt;
}

}  // namespace doc
