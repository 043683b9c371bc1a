#pragma once
// Shared helpers for the tests of the document layer and every layer above it
// (nothing here needs a window or the editor).
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace testsupport {

// Folder of the source tree, for fixtures under tests/ and data/.
inline QString SourceDir() { return QStringLiteral(QN_SOURCE_DIR); }

// A CharRecord of w x h cells whose cell (x, y) is cell(x, y), built by hand so that
// tests do not lean on the encoder they may be checking.
inline std::string MakeRecord(int w, int h, const std::function<uint8_t(int, int)>& cell) {
  std::string r{static_cast<char>(w / 255), static_cast<char>(w % 255), static_cast<char>(h / 255),
                static_cast<char>(h % 255)};
  r.reserve(4 + static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.push_back(static_cast<char>(cell(x, y)));
  return r;
}

}  // namespace testsupport
