#pragma once
// The ".nft" font file: the bytes at their fixed offsets, reading with a full check
// before anything is taken over, and writing that never destroys the last good file.
//
//   0   "NFT"
//   3   MaxWidth, 7 MaxHeight, 11 DefaultWidth, 15 DefaultHeight (32-bit LE)
//   99  CharListName: 8,0 (text), 50,0 (length), the name blank-padded to 50 bytes,
//       of which AuthorName overwrites the last 4
//   149 AuthorName, 199 AuthorCompanyName, 249 AuthorUrl, 299 AuthorEmail (50 bytes each)
//   999 the records: a 16-bit LE length, then the bytes; a longer record is framed
//       as 0xFFFF and a 32-bit LE length. A record of 65,535 bytes goes with a plain
//       length where its own size says 4 + W x H = 65,535; since a 32-bit length can
//       read as such a size too, the reader takes the reading under which the whole
//       file reads as a font.
// Text is one byte per character in the ANSI code page (Windows-1256); the gaps are zeros.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/Font.h"

namespace doc::NftFile {

constexpr int MagicSize = 3;
constexpr int CharListNameOffset = 99;
constexpr int CharListNameLength = 50;
constexpr int AuthorOffset[4] = {149, 199, 249, 299};
constexpr int RecordsOffset = 999;
constexpr uint16_t LongRecordMark = 0xFFFF;
constexpr uint32_t PlainRecordLimit = 0xFFFF;

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

// The whole file for this font and list name.
QByteArray Build(const Font& font, const QString& charListName);

// Writes the whole file so that the last good one survives any failure (a full disk
// included) and no other file is touched (platform::SafeWrite). nullopt on success,
// else "Cannot save the font to "<path>": <the system's reason>.", the old file as it was.
std::optional<QString> WriteFile(const QString& path, const QByteArray& bytes);

enum class ReadStatus { Ok, CannotOpen, BadMagic, Damaged };

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  QString error;    // for anything but Ok: what is wrong, for the user
  Content content;  // filled only for Ok
};

// Checks the whole file (magic, complete header, sizes not below 1 (maxima) or 0
// (default), every record's framing inside the file and at least as long as its size
// says) and returns its content; a record's bytes are kept as they are. The header's
// sizes come back as the font opens with them (OpenedMaxima, OpenedDefault): a
// header claiming more than the font needs is no reason to refuse it. recordCount is
// the number of FontData elements to fill (512).
ReadResult Parse(const QByteArray& bytes, size_t recordCount = GlyphCount);
// Reads the file; never creates one and never blocks: anything but a regular file
// (a folder, device, pipe or socket) or an unreadable file is CannotOpen, and no
// more than the file's size when opened is read. The error of CannotOpen names the path.
ReadResult Read(const QString& path, size_t recordCount = GlyphCount);

// Takes an accepted file's records and header over into the font.
void Apply(Content content, Font& font);

}  // namespace doc::NftFile
