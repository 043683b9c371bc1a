#pragma once
// Fixtures shared by the preview tests: a font state, filled shaping tables and
// hand-built glyph records.
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "document/ModConst.h"
#include "preview/Shaping.h"

namespace previewtest {

// A CharRecord of w x h cells whose cell (x, y) is cell(x, y), built by hand so that the
// tests do not lean on the encoder.
inline std::string Record(int w, int h, const std::function<uint8_t(int, int)>& cell) {
  std::string r{static_cast<char>(w / 255), static_cast<char>(w % 255), static_cast<char>(h / 255),
                static_cast<char>(h % 255)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.push_back(static_cast<char>(cell(x, y)));
  return r;
}
inline std::string Solid(int w, int h, uint8_t v) {
  return Record(w, h, [v](int, int) { return v; });
}

// Tables filled once for the tests that only read them.
inline const preview::CharTables& FilledTables() {
  static const preview::CharTables tables = [] {
    preview::CharTables t;
    preview::InitCharTables(t);
    return t;
  }();
  return tables;
}

struct PreviewFixture {
  doc::ModConst s;
  preview::CharTables tables;
  PreviewFixture() {
    doc::InitDefaults(s);
    s.LEDRows = 16;
    preview::InitCharTables(tables);
  }
};

// What the user sees of a window; with QN_GRAB_DIR set, also kept there as
// <name>.png for a look.
inline QImage Grab(QWidget& w, const QString& name) {
  w.ensurePolished();
  const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (qEnvironmentVariableIsSet("QN_GRAB_DIR"))
    img.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("QN_GRAB_DIR"), name));
  return img;
}

}  // namespace previewtest
