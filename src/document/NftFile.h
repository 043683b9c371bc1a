#pragma once
// The ".nft" font file: the bytes at their fixed offsets, reading with a full check
// before anything is taken over, and writing that never destroys the last good file.
//
//   0   "NFT"
//   3   MaxWidth, 7 MaxHeight, 11 DefaultWidth, 15 DefaultHeight (32-bit LE)
//   99  CharListName: 8,0 (text), 50,0 (length), the name blank-padded to 50 bytes,
//       of which AuthorName overwrites the last 4
//   149 AuthorName, 199 AuthorCompanyName, 249 AuthorUrl, 299 AuthorEmail (50 bytes each)
//   999 the records: a 16-bit LE length, then the bytes; a record longer than
//       65,534 bytes is framed as 0xFFFF and a 32-bit LE length
// Text is one byte per character in the ANSI code page (Windows-1256); the gaps are zeros.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/ModConst.h"

namespace doc::NftFile {

constexpr int MagicSize = 3;
constexpr int CharListNameOffset = 99;
constexpr int CharListNameLength = 50;
constexpr int AuthorOffset[4] = {149, 199, 249, 299};
constexpr int RecordsOffset = 999;
constexpr uint16_t LongRecordMark = 0xFFFF;
// Sizes a file may carry: a side the CharRecord digits can hold, and a grid
// ((MaxWidth + 41) x (MaxHeight + 41) cells) of at most 256 MiB.
constexpr int32_t LargestSide = 254 * 255 + 254;
constexpr int64_t LargestGridCells = int64_t{1} << 28;

struct Header {
  int32_t MaxWidth = 0;
  int32_t MaxHeight = 0;
  int32_t DefaultWidth = 0;
  int32_t DefaultHeight = 0;
  // AuthorName, AuthorCompanyName, AuthorUrl, AuthorEmail: 50 characters each.
  QString Author[4];
};

struct Content {
  Header header;
  std::vector<std::string> FontData;
};

// The whole file for this state and list name.
QByteArray Build(const ModConst& s, const QString& charListName);

// Writes the bytes to a temporary file beside the target, flushes it to disk and
// renames it over the target. nullopt on success, else a text naming the path and
// the system's reason; the old file is then untouched.
std::optional<QString> WriteFile(const QString& path, const QByteArray& bytes);

enum class ReadStatus { Ok, CannotOpen, BadMagic, Damaged };

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  QString error;   // for anything but Ok: what is wrong, for the user
  Content content; // filled only for Ok
};

// Checks the whole file (magic, complete header, plausible sizes, every record's
// framing inside the file and of the size it states) and returns its content.
// recordCount is the number of FontData elements to fill (512).
ReadResult Parse(const QByteArray& bytes, size_t recordCount = GlyphCount);
// Reads the file; never creates one. A folder or an unreadable file is CannotOpen.
ReadResult Read(const QString& path, size_t recordCount = GlyphCount);

// Takes an accepted file's font and header over into the state.
void Apply(Content content, ModConst& s);

}  // namespace doc::NftFile
