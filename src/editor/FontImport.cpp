// Glyph import from an installed system font: the glyph's list text is drawn on
// the hidden surface picFont and sampled cell by cell into the grid.
#include "editor/FontImport.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "document/CharRecord.h"
#include "editor/DesignEditor.h"
#include "platform/Numbers.h"
#include "platform/SystemTools.h"

namespace editor {

int32_t GetPointColor(int x, int y, const QImage& picture, QRgb backColor) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return SampledPaperColor;
  QRgb c = picture.pixel(x, y);
  if (qAlpha(c) != 255) {
    // Seen over the background, as a picture box shows a translucent picture.
    const int a = qAlpha(c);
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    c = qRgb(mix(qRed(c), qRed(backColor)), mix(qGreen(c), qGreen(backColor)), mix(qBlue(c), qBlue(backColor)));
  }
  const QRgb rgb = c & 0xFFFFFFu;
  if (rgb == (backColor & 0xFFFFFFu) || rgb == 0xFFFFFFu) return SampledPaperColor;
  return SampledInkColor;
}

namespace {

constexpr double ToolbarDefaultSize = 16;  // the size the toolbar's "tlSize" starts with

// The row counters and sampled rows were 16-bit; values beyond are held at its ends.
double Clamp16(double v) { return std::clamp(v, -32768.0, 32767.0); }

// The font chosen in the band "bndFont". A size that is not a positive number
// falls back to the toolbar's default; an unknown name lets Qt substitute.
QFont ToolbarFont(ToolState& tools) {
  QFont font(tools.ToolText("tlFont"));
  const auto size = platform::WholeNumber(tools.ToolText("tlSize"));
  font.setPointSizeF(size && std::isfinite(*size) && *size > 0 ? *size : ToolbarDefaultSize);
  font.setBold(tools.ToolChecked("tlBold"));
  font.setItalic(tools.ToolChecked("tlItalic"));
  font.setUnderline(tools.ToolChecked("tlUnderline"));
  // Qt chooses the script from the text, so the character set changes nothing here.
  [[maybe_unused]] const int16_t charset = platform::SystemTools::GetFontCharset(QFontInfo(font).family());
  return font;
}

// Right-to-left when the list marked it ("\rtl", held as U+200F) or when its
// first strong character is right-to-left.
bool IsRightToLeftText(const QString& t) { return t.contains(QChar(0x200F)) || t.isRightToLeft(); }

// Clears the surface and draws t in black with its top-left corner at (0, 0).
void DrawOnSurface(QImage& surface, const QFont& font, const QString& t) {
  surface.fill(qRgb(255, 255, 255));
  QTextLayout layout(t, font, &surface);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(IsRightToLeftText(t) ? Qt::RightToLeft : Qt::LeftToRight);
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(surface.width());
    // Baseline at the font's ascent, as a text drawn at (0, 0) sits.
    line.setPosition(QPointF(0, QFontMetricsF(font, &surface).ascent() - line.ascent()));
  }
  layout.endLayout();
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(Qt::black);
  layout.draw(&painter, QPointF(0, 0));
}

}  // namespace

void DesignEditor::ReadFromFont() {
  if (S.CurrentChar < 0 || S.CurrentChar >= doc::GlyphCount) return;
  SaveUndoAction();
  doc::ClearDesignData(S);
  const QString& t = S.CharText[static_cast<size_t>(S.CurrentChar)];
  if (t == QLatin1String("|+|")) {
    CharWidth = S.MaxWidth;
    CharHeight = S.MaxHeight;
    DrawAll();
    return;
  }
  if (t.isEmpty()) {
    CharWidth = S.DefaultWidth;
    CharHeight = S.DefaultHeight;
    DrawAll();
    return;
  }

  const QFont font = ToolbarFont(Tools);
  DrawOnSurface(FontSurface, font, t);
  const QFontMetricsF metrics(font, &FontSurface);

  // No wider than a record can carry, so the imported glyph can always be stored.
  CharWidth = std::min(platform::RoundToInt32(metrics.horizontalAdvance(t)), doc::CharRecord::MaxSide);
  if (CharHeight > S.MaxHeight) S.MaxHeight = CharHeight;
  if (CharWidth > S.MaxWidth) S.MaxWidth = CharWidth;
  doc::ReDimDesignData(S);

  const double shift = Clamp16(platform::LeadingNumber(Tools.ToolText("tlShift")));
  const int last = static_cast<int>(Clamp16(platform::RoundHalfEven(metrics.height() - shift)));
  doc::DesignGrid& grid = S.DesignData;
  const int lastRow = std::min(last, grid.HighY());
  // Columns beyond the surface read as paper: nothing to sample there.
  const int lastColumn = std::min(CharWidth, FontSurface.width() - 1);
  const auto ink = static_cast<uint8_t>(S.CurrentColor);
  for (int x = 0; x <= lastColumn; ++x) {
    for (int y = 0; y <= lastRow; ++y) {
      const int py = static_cast<int>(platform::RoundHalfEven(y - shift));
      if (GetPointColor(x, py, FontSurface) == SampledInkColor) grid.SetIfInside(x, y, ink);
    }
  }
  DrawAll();
}

}  // namespace editor
