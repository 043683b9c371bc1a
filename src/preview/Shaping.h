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
  std::vector<int16_t> CodeOfChar;  // 65536 UTF-16 units -> pass-1 code; empty until filled
  std::array<Joining, GlyphCodeCount> JoiningOf = UnfilledJoining();
  int16_t LamAlefCode = -1;

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
