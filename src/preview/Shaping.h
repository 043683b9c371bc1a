#pragma once
// The glyph-code block 128..304 for Persian/Arabic text and the shaping of a text into
// glyph codes of that block. Plain logic: no window, no program-wide variable; the
// application owns one CharTables, fills it once at start-up and hands it to the previews.
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace preview {

constexpr int GlyphCodeCount = 512;

struct CharTables {
  // Text that each glyph code stands for in the shaping block; "" outside 128..304 and
  // at the second to fourth code of a letter.
  std::array<QString, GlyphCodeCount> CodeText{};
  std::vector<int16_t> NonJoiningCodes;    // digits, signs and hamza: join neither way
  std::vector<int16_t> RightJoiningCodes;  // letters that join only to the letter before
  std::vector<int16_t> MarkCodes;          // vowel marks: transparent for joining

  // Derived from the lists above by InitCharTables, so that shaping looks each
  // character and each code up once instead of searching.
  // Before InitCharTables the lists are empty: every code of 128 or more joins both
  // ways and every character takes its Windows-1256 code.
  enum class Joining : uint8_t { None, NonJoining, Right, Dual, Mark };
  std::array<Joining, GlyphCodeCount> JoiningOf = UnfilledJoining();
  int16_t LamAlefCode = -1;

  // Pass 1 per UTF-16 unit: the code (low 9 bits) and what the shaping loop asks of it
  // next, so that it reads one entry per unit; empty until filled (the loop then asks
  // the code page).
  static constexpr uint16_t kScanCode = 0x1FF;
  static constexpr uint16_t kScanJoinsBefore = 1 << 13;  // Right or Dual
  static constexpr uint16_t kScanMark = 1 << 14;         // transparent for joining
  static constexpr uint16_t kScanPairs = 1 << 15;        // may pair with the unit before it
  std::vector<uint16_t> ScanOfChar;

  // Passes 2 and 3 folded into one step per code. A step is indexed by the code, whether
  // the next code that is not a mark joins to it (bit 9), and the state (bit 0: the code
  // before joins to this one, bit 1: digits take their Arabic form). Built from JoiningOf.
  struct ShapeSteps {
    static constexpr int kInputs = 2 * GlyphCodeCount;
    std::array<uint16_t, kInputs * 4> Code{};   // final code
    std::array<uint32_t, kInputs * 4> Units{};  // its two output units, as stored in memory
    std::array<uint8_t, kInputs> Next{};        // next state for state s at bits 2s..2s+1
    explicit ShapeSteps(const std::array<Joining, GlyphCodeCount>& joining);
  };
  ShapeSteps Steps{JoiningOf};

  static constexpr std::array<Joining, GlyphCodeCount> UnfilledJoining() {
    std::array<Joining, GlyphCodeCount> a{};
    for (int c = 128; c < GlyphCodeCount; ++c) a[c] = Joining::Dual;
    return a;
  }
};

// Fills the code texts, the three code lists and the lookups derived from them.
void InitCharTables(CharTables& t);

// Index of the first element equal to code, -1 when there is none.
int16_t FindCode(std::span<const int16_t> list, int16_t code);

// Shaped text for the previews: two 8-bit units per glyph code (128 + code \ 128, then
// code Mod 128), each held as its Windows-1256 character.
QString GlyphCodeString(std::span<const int> codes);
// The glyph codes of a GlyphCodeString, read in pairs from the start; a lone last
// unit is ignored.
std::vector<int> GlyphCodes(const QString& glyphCodeString);

// The glyph codes of a text in the order of the text: block codes for listed
// characters, contextual letter forms, digit forms after Arabic letters. Tables not
// yet filled shape every character to its Windows-1256 code without joining.
std::vector<int> ShapeCodes(const CharTables& t, const QString& text);
// ShapeCodes as a GlyphCodeString, built in one run without the intermediate list.
QString ShapeText(const CharTables& t, const QString& text);

}  // namespace preview
