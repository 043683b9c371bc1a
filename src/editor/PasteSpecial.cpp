#include "editor/PasteSpecial.h"

#include <QClipboard>
#include <QGuiApplication>
#include <new>
#include <stdexcept>

#include "dialogs/ShowMessage.h"
#include "document/FontSizes.h"
#include "editor/DesignEditor.h"
#include "editor/FontImport.h"

namespace editor {

PasteOutcome CheckPastedPicture(const doc::ModConst& s, const QImage& picture) {
  if (s.CurrentChar < 0 || s.CurrentChar >= doc::GlyphCount) return PasteOutcome::NoGlyph;
  if (picture.isNull() || picture.width() < 1 || picture.height() < 1) return PasteOutcome::NoPicture;
  if (picture.width() > MaxPastedPictureSide || picture.height() > MaxPastedPictureSide) return PasteOutcome::TooLarge;
  return PasteOutcome::Pasted;
}

PasteOutcome PasteBitmap(doc::ModConst& s, const QImage& picture, int32_t& charWidth, int32_t& charHeight) {
  const PasteOutcome check = CheckPastedPicture(s, picture);
  if (check != PasteOutcome::Pasted) return check;
  const int32_t width = picture.width() - 1;
  const int32_t height = picture.height() - 1;
  const doc::GlyphBox maxima = doc::RaisedMaxima({s.MaxWidth, s.MaxHeight}, {width, height});
  // The grid is made anew for the maxima, as ReDimDesignData makes it, but on the
  // side: when memory runs short the glyph on screen is still whole.
  doc::DesignGrid grid;
  try {
    grid.ReDim(maxima.width, maxima.height);
  } catch (const std::bad_alloc&) {
    return PasteOutcome::TooLarge;
  } catch (const std::length_error&) {
    return PasteOutcome::TooLarge;
  }
  // Every pixel of the picture is sampled, also beyond the 1024 x 768 work surface.
  const auto ink = static_cast<uint8_t>(s.CurrentColor);
  for (int x = 0; x <= width; ++x)
    for (int y = 0; y <= height; ++y)
      if (GetPointColor(x, y, picture) != SampledPaperColor) grid.Set(x, y, ink);
  charWidth = width;
  charHeight = height;
  s.MaxWidth = maxima.width;
  s.MaxHeight = maxima.height;
  s.DesignData = std::move(grid);
  return PasteOutcome::Pasted;
}

void DesignEditor::PasteSpecial() {
  const QImage picture = QGuiApplication::clipboard()->image();
  const PasteOutcome check = CheckPastedPicture(S, picture);
  if (check == PasteOutcome::Pasted) {
    // One Undo after the paste brings back the glyph as it was on screen.
    SaveUndoAction();
    if (PasteBitmap(S, picture, CharWidth, CharHeight) == PasteOutcome::Pasted) {
      DrawAll();
      return;
    }
  } else if (check != PasteOutcome::TooLarge) {
    return;
  }
  dialogs::ShowMessage(QStringLiteral("The picture on the clipboard (%1 x %2 pixels) is too large for a glyph."),
                       QStringLiteral("Paste Special"), 0, QString::number(picture.width()),
                       QString::number(picture.height()));
}

}  // namespace editor
