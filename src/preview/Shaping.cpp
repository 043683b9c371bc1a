#include "preview/Shaping.h"

#include <algorithm>
#include <optional>

#include "platform/CodePage.h"

namespace preview {

namespace {

using Joining = CharTables::Joining;

constexpr int kFirstDigitCode = 128;  // "0".."9" at 128..137
constexpr int kTehMarbuta = 181;      // two-code letters that borrow the initial and
constexpr int kAlefMaksura = 289;     // medial forms of teh and yeh
constexpr int kTatweel = 295;         // one code in every position
constexpr char16_t kLam = 0x0644;
constexpr char16_t kAlef = 0x0627;

struct Letter {
  int code;
  char16_t ch;
  int codes;
};

// First code, character and number of codes of every letter of the block.
constexpr Letter kLetters[] = {
    {159, 0x0622, 2},
    {161, 0x0623, 2},
    {163, 0x0624, 2},
    {165, 0x0625, 2},
    {167, 0x0626, 4},
    {171, 0x0627, 2},
    {173, 0x0628, 4},
    {177, 0x067E, 4},
    {181, 0x0629, 2},
    {183, 0x062A, 4},
    {187, 0x062B, 4},
    {191, 0x062C, 4},
    {195, 0x0686, 4},
    {199, 0x062D, 4},
    {203, 0x062E, 4},
    {207, 0x062F, 2},
    {209, 0x0630, 2},
    {211, 0x0631, 2},
    {213, 0x0632, 2},
    {215, 0x0698, 2},
    {217, 0x0633, 4},
    {221, 0x0634, 4},
    {225, 0x0635, 4},
    {229, 0x0636, 4},
    {233, 0x0637, 4},
    {237, 0x0638, 4},
    {241, 0x0639, 4},
    {245, 0x063A, 4},
    {249, 0x0641, 4},
    {253, 0x0642, 4},
    {257, 0x0643, 4},
    {261, 0x06A9, 4},
    {265, 0x06AF, 4},
    {269, 0x0644, 4},
    // 273 is lam-alef, two characters, set apart below.
    {275, 0x0645, 4},
    {279, 0x0646, 4},
    {283, 0x0648, 2},
    {285, 0x0647, 4},
    {289, 0x0649, 2},
    {291, 0x064A, 4},
};
constexpr int kLamAlef = 273;

constexpr char16_t kSigns[] = {0x060C, 0x061B, 0x061F, 0x00AB, 0x00BB, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2122,
                               0x00A9, 0x00AE, 0x00B0, 0x00B1, 0x00BC, 0x00BD, 0x00BE, 0x00D7, 0x00F7, 0x0621};
// The marks are the code page's characters of these bytes, in this order.
constexpr uint8_t kMarkBytes[] = {240, 241, 242, 243, 245, 246, 248, 250, 255};

QString LamAlef() { return QString::fromStdU16String({kLam, kAlef}); }

// The plain equivalent in the block of a character that the code page lacks; 0 for none.
char16_t PlainEquivalent(char16_t u) {
  if (u == 0x06CC) return 0x0649;                              // Persian yeh: alef maksura
  if (u >= 0x0660 && u <= 0x0669) return u'0' + (u - 0x0660);  // Arabic-Indic digits
  if (u >= 0x06F0 && u <= 0x06F9) return u'0' + (u - 0x06F0);  // Persian digits
  return 0;
}

// What an invisible format character does to the joining of its neighbours: the
// non-joiner breaks the join, the joiner joins both ways as a tatweel would, and the
// direction marks let the join pass through them. None of them is drawn.
std::optional<Joining> FormatJoining(char16_t u) {
  switch (u) {
    case 0x200C: return Joining::None;
    case 0x200D: return Joining::Dual;
    case 0x200E:
    case 0x200F:
    case 0x061C: return Joining::Mark;
    default: return std::nullopt;
  }
}

Joining JoiningOf(const CharTables& t, int c) {
  return c >= 0 && c < GlyphCodeCount ? t.JoiningOf[static_cast<size_t>(c)] : Joining::Dual;
}

// One unit of the text after pass 1: a code to draw, or a format character that only
// joins (code -1, not shown).
struct Unit {
  int code;
  qsizetype at;
  Joining joining;
  bool shown;
};

// Whether the next unit after j that is not transparent joins to the letter before it.
// Marks are seen through, however many follow each other.
bool NextJoinsBefore(const std::vector<Unit>& units, size_t j) {
  for (size_t k = j + 1; k < units.size(); ++k) {
    const Joining n = units[k].joining;
    if (n != Joining::Mark) return n == Joining::Right || n == Joining::Dual;
  }
  return false;
}

// The form of a letter that joins both ways: isolated, final (+1), initial (+2) or medial
// (+3); teh marbuta and alef maksura take the initial and medial forms of teh and yeh,
// two codes further on.
int DualForm(int c, bool joinsBefore, bool joinsNext) {
  const int borrowed = (c == kTehMarbuta || c == kAlefMaksura) ? 2 : 0;
  if (joinsBefore && joinsNext) return c + 3 + borrowed;
  if (joinsNext) return c + 2 + borrowed;
  if (joinsBefore) return c + 1;
  return c;
}

}  // namespace

void InitCharTables(CharTables& t) {
  t.CodeText.fill(QString());
  for (int d = 0; d < 10; ++d) t.CodeText[kFirstDigitCode + d] = QChar(char16_t(u'0' + d));
  for (size_t i = 0; i < std::size(kSigns); ++i) t.CodeText[138 + i] = QChar(kSigns[i]);
  for (const Letter& l : kLetters) t.CodeText[l.code] = QChar(l.ch);
  t.CodeText[kLamAlef] = LamAlef();
  t.CodeText[kTatweel] = QChar(0x0640);
  for (size_t i = 0; i < std::size(kMarkBytes); ++i) t.CodeText[296 + i] = platform::AnsiChar(kMarkBytes[i]);

  t.NonJoiningCodes.clear();
  for (int c = 128; c <= 158; ++c) t.NonJoiningCodes.push_back(static_cast<int16_t>(c));
  t.RightJoiningCodes = {159, 161, 163, 165, 171, 207, 209, 211, 213, 215, 273, 283};
  t.MarkCodes.clear();
  for (int c = 296; c <= 304; ++c) t.MarkCodes.push_back(static_cast<int16_t>(c));

  // The first code whose text is the character wins, as a search from code 0 finds it.
  t.CodeOfChar.clear();
  t.LamAlefCode = -1;
  for (int c = 0; c < GlyphCodeCount; ++c) {
    const QString& text = t.CodeText[static_cast<size_t>(c)];
    if (text.size() == 1 && !t.CodeOfChar.contains(text[0].unicode()))
      t.CodeOfChar.insert(text[0].unicode(), static_cast<int16_t>(c));
    else if (text == LamAlef() && t.LamAlefCode < 0)
      t.LamAlefCode = static_cast<int16_t>(c);
  }

  for (int c = 0; c < GlyphCodeCount; ++c) {
    const auto code = static_cast<int16_t>(c);
    Joining j = Joining::Dual;
    if (FindCode(t.MarkCodes, code) != -1)
      j = Joining::Mark;
    else if (FindCode(t.RightJoiningCodes, code) != -1)
      j = Joining::Right;
    else if (c < 128)
      j = Joining::None;
    else if (FindCode(t.NonJoiningCodes, code) != -1)
      j = Joining::NonJoining;
    t.JoiningOf[static_cast<size_t>(c)] = j;
  }
}

int16_t FindCode(std::span<const int16_t> list, int16_t code) {
  const auto it = std::find(list.begin(), list.end(), code);
  return it == list.end() ? int16_t{-1} : static_cast<int16_t>(it - list.begin());
}

int CharCode(const CharTables& t, QChar c) {
  char16_t u = c.unicode();
  if (const auto it = t.CodeOfChar.constFind(u); it != t.CodeOfChar.cend()) return *it;
  const int code = platform::AnsiCode(c);
  if (code != '?' || u == u'?') return code;
  u = PlainEquivalent(u);
  if (u == 0) return '?';
  if (const auto it = t.CodeOfChar.constFind(u); it != t.CodeOfChar.cend()) return *it;
  return platform::AnsiCode(QChar(u));
}

std::vector<ShapedCode> Shape(const CharTables& t, const QString& text) {
  const qsizetype len = text.size();
  std::vector<Unit> units;
  units.reserve(static_cast<size_t>(len));

  // Pass 1, text to codes: one unit per character, lam with the alef after it as one.
  for (qsizetype i = 0; i < len; ++i) {
    const qsizetype at = i;
    const char16_t u = text[i].unicode();
    int code;
    if (u == kLam && t.LamAlefCode >= 0 && i + 1 < len && text[i + 1].unicode() == kAlef) {
      code = t.LamAlefCode;
      ++i;
    } else if (QChar::isHighSurrogate(u) && i + 1 < len && text[i + 1].isLowSurrogate()) {
      code = '?';  // one character, and none of the code page
      ++i;
    } else if (const std::optional<Joining> format = FormatJoining(u)) {
      units.push_back({-1, at, *format, false});
      continue;
    } else {
      code = CharCode(t, QChar(u));
    }
    units.push_back({code, at, JoiningOf(t, code), true});
  }

  // Pass 2, contextual forms. P: the letter before joins to this one.
  bool p = false;
  for (size_t j = 0; j < units.size(); ++j) {
    Unit& unit = units[j];
    switch (unit.joining) {
      case Joining::Mark: break;  // keeps its code, and P passes through it
      case Joining::Right:
        if (p && unit.shown) unit.code += 1;
        p = false;
        break;
      case Joining::None:
      case Joining::NonJoining: p = false; break;
      case Joining::Dual: {
        const bool n = NextJoinsBefore(units, j);
        // The tatweel has one code for every position; the joiner has none.
        if (unit.shown && unit.code != kTatweel) unit.code = DualForm(unit.code, p, n);
        p = n;
        break;
      }
    }
  }

  // Pass 3, digits: the block's digit forms after an Arabic letter or mark with nothing
  // but digits, signs and codes below 65 in between; ASCII digits elsewhere.
  std::vector<ShapedCode> out;
  out.reserve(units.size());
  bool arabic = false;
  for (const Unit& unit : units) {
    if (!unit.shown) continue;
    int c = unit.code;
    if (arabic && c >= 48 && c <= 57)
      c += 80;
    else if (!arabic && c >= kFirstDigitCode && c <= kFirstDigitCode + 9)
      c -= 80;
    if (c >= 65 && c <= 127)
      arabic = false;
    else if (c >= 128 && JoiningOf(t, c) != Joining::NonJoining)
      arabic = true;
    out.push_back({c, unit.at});
  }
  return out;
}

std::vector<int> ShapeCodes(const CharTables& t, const QString& text) {
  const std::vector<ShapedCode> shaped = Shape(t, text);
  std::vector<int> codes(shaped.size());
  for (size_t i = 0; i < shaped.size(); ++i) codes[i] = shaped[i].code;
  return codes;
}

namespace {

// Appends the two units of each code.
template <typename Codes, typename CodeOf>
QString UnitsOf(const Codes& codes, CodeOf codeOf) {
  QString s(static_cast<qsizetype>(codes.size()) * 2, Qt::Uninitialized);
  QChar* out = s.data();
  for (const auto& x : codes) {
    const int c = codeOf(x);
    *out++ = platform::AnsiChar(static_cast<uint8_t>(128 + ((c >> 7) & 3)));
    *out++ = QChar(char16_t(c & 127));
  }
  return s;
}

}  // namespace

QString GlyphCodeString(std::span<const int> codes) {
  return UnitsOf(codes, [](int c) { return c; });
}

std::vector<int> GlyphCodes(const QString& glyphCodeString) {
  std::vector<int> codes;
  codes.reserve(static_cast<size_t>(glyphCodeString.size() / 2));
  for (qsizetype i = 0; i + 1 < glyphCodeString.size(); i += 2)
    codes.push_back((platform::AnsiCode(glyphCodeString[i]) & 3) * 128 + platform::AnsiCode(glyphCodeString[i + 1]));
  return codes;
}

QString ShapeText(const CharTables& t, const QString& text) {
  return UnitsOf(Shape(t, text), [](const ShapedCode& s) { return s.code; });
}

}  // namespace preview
