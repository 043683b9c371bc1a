#pragma once
// The glyph-code block 128..304 for Persian/Arabic text and the shaping of a text into
// glyph codes of that block. Plain logic: no window, no program-wide variable; the
// application owns one CharTables, fills it once at start-up and hands it to the previews.
#include <QHash>
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

  // Derived from the four above by InitCharTables, so that shaping looks each character
  // and each code up once instead of searching CodeText and the lists for it.
  // The first code whose text is this one character.
  QHash<char16_t, int16_t> CodeOfChar;
  int16_t LamAlefCode = -1;  // the code whose text is lam followed by alef
  // How each code joins. Before InitCharTables the lists are empty, so every code of 128
  // or more joins both ways.
  enum class Joining : uint8_t { None, NonJoining, Right, Dual, Mark };
  std::array<Joining, GlyphCodeCount> JoiningOf = UnfilledJoining();

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

// The code of one character before its neighbours are looked at: the first code of the
// block whose text it is, else its Windows-1256 code. A character outside the code page
// takes the code of its plain equivalent in the block (the Persian yeh that of alef
// maksura, whose initial and medial forms are yeh's dotted ones; Arabic-Indic and Persian
// digits those of "0".."9"), and '?' when it has none.
int CharCode(const CharTables& t, QChar c);

// One glyph code of a shaped text and the position in the text of the first UTF-16 unit
// it was made from (a lam-alef and a surrogate pair are two units and one code).
struct ShapedCode {
  int code;
  qsizetype at;
  bool operator==(const ShapedCode&) const = default;
};

// The glyph codes of a text in the order of the text: block codes for listed
// characters, contextual letter forms, digit forms after Arabic letters. The invisible
// joiners and direction marks (U+200C, U+200D, U+200E, U+200F, U+061C) take part in the
// joining but yield no code. Tables not yet filled shape every character to its
// Windows-1256 code without joining.
std::vector<ShapedCode> Shape(const CharTables& t, const QString& text);
// The codes of Shape alone.
std::vector<int> ShapeCodes(const CharTables& t, const QString& text);

// Shaped text for the previews: two 8-bit units per glyph code (128 + code \ 128, then
// code Mod 128), each held as its Windows-1256 character.
QString GlyphCodeString(std::span<const int> codes);
// The glyph codes of a GlyphCodeString, read in pairs from the start; a lone last
// unit is ignored.
std::vector<int> GlyphCodes(const QString& glyphCodeString);
// ShapeCodes as a GlyphCodeString.
QString ShapeText(const CharTables& t, const QString& text);

}  // namespace preview
