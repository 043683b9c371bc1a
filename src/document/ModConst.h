#pragma once
// Program-wide font document and editor state (the constants-and-defaults module).
// The application owns one instance and hands it to the windows; tests build their own.
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/DesignGrid.h"
#include "document/Font.h"

namespace doc {

enum DrawTool : int32_t {
  ToolPoint = 0,
  ToolLine = 1,
  ToolBorder = 2,
  ToolRectangle = 3,
  ToolReplaceColor = 4,
};

// The session: the font (its records, header and authors, as its file holds them) and
// the editor's state around it. The font is a base, so every name of it stays a name of
// the session (S.FontData, S.MaxWidth) and the session is handed wherever a font is asked.
// FontModified and FontFileName belong to the session: they tell how the font stands to
// a file, which the file itself does not hold.
struct ModConst : Font {
  // The editing grid.
  DesignGrid DesignData;

  // Editor state.
  int32_t CurrentChar = -1;
  int32_t CurrentTool = ToolPoint;
  int32_t CurrentColor = 0;
  std::array<QRgb, 16> ColorTable{};  // index 0 is never assigned and holds 0
  QRgb OutsideColor = 0;
  QRgb GridColor = 0;
  QRgb BackgroundColor = 0;
  QRgb BorderColor = 0;
  // [0][k] vertical guides tlVG1..6, [1][k] horizontal guides tlHG1..6; 0 = off.
  int32_t GuideLine[2][6] = {};
  std::array<QRgb, 6> GuideColors{};
  int32_t Zoom = 0;
  bool FontModified = false;
  QString FontFileName;
  std::string ClipData;
  int32_t LEDRows = 0;

  // Text of each glyph code in the list chosen in the panel; "\rtl" already
  // turned into U+200F (the code-page character 254).
  std::array<QString, GlyphCount> CharText{};
};

// Empty font, default header, editing grid, colours, CurrentColor = 1.
void InitDefaults(ModConst& s);
// Grid made anew for MaxWidth x MaxHeight, every cell 0.
void ReDimDesignData(ModConst& s);
// Cells from (0, 0) upwards become 0; the negative margin keeps its cells.
void ClearDesignData(ModConst& s);

// Where a whole new font comes from; what the session keeps of the old one follows from it.
enum class FontSource {
  // Read from its file: the session starts afresh on it. The file becomes the font's
  // file, the font counts as unchanged, no glyph is current (so nothing of the old grid
  // is stored into it) and the grid is made anew for its maxima.
  File,
  // Taken into the open document (an import): the document keeps its file name and its
  // glyph, the font counts as changed, and the maxima rise to its largest glyph so every
  // glyph is shown and stored whole. The grid is made anew only when they rose; else it
  // is cleared and keeps its margin.
  Import,
};

// The font, records and header, takes the session's font's place; `path` is the file of
// a FontSource::File. What is on screen is the caller's to redraw.
void ReplaceFont(ModConst& s, Font font, FontSource source, const QString& path = {});

}  // namespace doc
