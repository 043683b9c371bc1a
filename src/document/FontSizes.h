#pragma once
// The checks of the font's maximum and default glyph size, as the settings dialog
// makes them before it stores anything.
#include <QString>
#include <optional>

namespace doc {

// The message of the first failing check, in the order maximum width, maximum height,
// default width, default height; nullopt when all four pass. The sizes are the
// numbers the boxes hold, not yet rounded: 1024.4 is too wide, 0.6 too small.
std::optional<QString> CheckFontSizes(double maxWidth, double maxHeight, double width, double height);

}  // namespace doc
