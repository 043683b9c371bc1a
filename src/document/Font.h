#pragma once
// The font itself: what its file holds, apart from the session that edits it. The
// file, the plug-ins and the previews take this alone.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace doc {

constexpr int GlyphCount = 512;
constexpr int AuthorFieldLength = 50;

struct Font {
  // One CharRecord byte string per glyph code, "" = not designed.
  std::vector<std::string> FontData = std::vector<std::string>(GlyphCount);

  // Header.
  int32_t MaxWidth = 0;
  int32_t MaxHeight = 0;
  int32_t DefaultWidth = 0;
  int32_t DefaultHeight = 0;
  // Fixed strings of 50 characters: NUL characters until set, blank-padded when set.
  QString AuthorName = QString(AuthorFieldLength, QChar(0));
  QString AuthorCompanyName = QString(AuthorFieldLength, QChar(0));
  QString AuthorUrl = QString(AuthorFieldLength, QChar(0));
  QString AuthorEmail = QString(AuthorFieldLength, QChar(0));
};

// A fixed 50-character author field: left-aligned, blank-padded, cut after 50.
QString FixedAuthorField(const QString& text);

}  // namespace doc
