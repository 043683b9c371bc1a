#include "document/ModConst.h"

#include "document/FontSizes.h"

namespace doc {

void InitDefaults(ModConst& s) {
  s.FontData.assign(GlyphCount, std::string());
  s.MaxWidth = 32;
  s.MaxHeight = 16;
  s.DefaultWidth = 10;
  s.DefaultHeight = 16;
  ReDimDesignData(s);
  s.OutsideColor = qRgb(230, 230, 230);
  s.GridColor = qRgb(200, 200, 200);
  s.BackgroundColor = qRgb(255, 255, 255);
  s.BorderColor = qRgb(200, 100, 50);
  s.CurrentColor = 1;
  s.ColorTable = {0,
                  qRgb(0, 0, 0),
                  qRgb(255, 0, 0),
                  qRgb(0, 255, 0),
                  qRgb(255, 255, 0),
                  qRgb(255, 255, 255),
                  qRgb(200, 200, 200),
                  qRgb(100, 100, 100),
                  qRgb(0, 255, 255),
                  qRgb(0, 125, 125),
                  qRgb(0, 0, 255),
                  qRgb(0, 0, 125),
                  qRgb(255, 0, 255),
                  qRgb(125, 0, 125),
                  qRgb(0, 125, 0),
                  qRgb(125, 125, 0)};
  s.GuideColors = {qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 125, 0),
                   qRgb(255, 0, 0), qRgb(0, 0, 0),     qRgb(0, 255, 255)};
}

void ReDimDesignData(ModConst& s) { s.DesignData.ReDim(s.MaxWidth, s.MaxHeight); }

void ClearDesignData(ModConst& s) { s.DesignData.ClearFromOrigin(); }

void ReplaceFont(ModConst& s, Font font, FontSource source, const QString& path) {
  const bool fromFile = source == FontSource::File;
  if (!fromFile) {
    const GlyphBox maxima = RaisedMaxima({font.MaxWidth, font.MaxHeight}, LargestGlyph(font.FontData));
    font.MaxWidth = maxima.width;
    font.MaxHeight = maxima.height;
  }
  const bool sameMaxima = font.MaxWidth == s.MaxWidth && font.MaxHeight == s.MaxHeight;
  static_cast<Font&>(s) = std::move(font);
  // An imported font is in no file yet.
  s.FontModified = !fromFile;
  if (fromFile) {
    s.FontFileName = path;
    s.CurrentChar = -1;
  }
  if (fromFile || !sameMaxima) {
    ReDimDesignData(s);
  } else {
    ClearDesignData(s);
  }
}

}  // namespace doc
