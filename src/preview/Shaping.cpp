#include "preview/Shaping.h"

#include <algorithm>
#include <cstring>
#include <memory>

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

// Whether a code joins to the letter before it (what the forward test asks of the next code).
inline bool JoinsBefore(Joining j) { return j == Joining::Right || j == Joining::Dual; }

// Codes past the block can only come from a step that adds a form to one of the last
// codes, which no table holds; they read as joining both ways instead of past the end.
Joining JoiningAt(const std::array<Joining, GlyphCodeCount>& joining, int c) {
  return c < GlyphCodeCount ? joining[c] : Joining::Dual;
}

struct StepResult {
  int code;
  bool p;  // the letter before the next code joins to it
  bool a;  // Arabic context for digits
};

// Passes 2 and 3 for one code, written as plainly as the rules read; the shaping loop
// only looks up what this gives. `nx`: the next code that is not a mark joins to this one.
StepResult Step(const std::array<Joining, GlyphCodeCount>& joining, int c, bool nx, bool p, bool a) {
  switch (joining[c]) {
    case Joining::Mark: break;
    case Joining::Right:
      if (p) c += 1;
      p = false;
      break;
    case Joining::None:
    case Joining::NonJoining: p = false; break;
    case Joining::Dual:
      if (c != kTatweel) {
        const bool borrows = c == kTehMarbuta || c == kAlefMaksura;
        if (p && nx)
          c += borrows ? 5 : 3;
        else if (nx)
          c += borrows ? 4 : 2;
        else if (p)
          c += 1;
      }
      p = nx;
      break;
  }
  // Pass 3: digits follow the context of the codes before them.
  if (a && c >= 48 && c <= 57)
    c += 80;
  else if (!a && c >= kFirstDigitCode && c <= kFirstDigitCode + 9)
    c -= 80;
  if (c >= 65 && c <= 127)
    a = false;
  else if (c >= 128 && JoiningAt(joining, c) != Joining::NonJoining)
    a = true;
  return {c, p, a};
}

uint16_t ScanBits(Joining j) {
  if (j == Joining::Mark) return CharTables::kScanMark;
  return JoinsBefore(j) ? CharTables::kScanJoinsBefore : 0;
}

// The pass-1 entry of a unit on its own, given its code; ScanOfChar holds it for every
// unit once filled.
uint16_t ScanEntry(const CharTables& t, char16_t u, int code) {
  uint16_t v = static_cast<uint16_t>(code) | ScanBits(t.JoiningOf[code]);
  if (QChar::isLowSurrogate(u) || (u == kAlef && t.LamAlefCode >= 0)) v |= CharTables::kScanPairs;
  return v;
}

// Pass 1, run from the end of the text so that the same run knows, for each code, whether
// the next code that is not a mark joins to it (the forward test of pass 2). Writes
// code | that bit << 9 downwards ending before `end`; returns the first written.
// A lam-alef or a surrogate pair is found from its second unit: neither pair can start
// with the second unit of another, so reading from either end pairs the same units.
template <typename ScanOfUnit>
char16_t* Scan(const CharTables& t, const char16_t* in, qsizetype len, char16_t* end, ScanOfUnit scanOf) {
  const uint16_t lamAlef =
      t.LamAlefCode >= 0 ? static_cast<uint16_t>(t.LamAlefCode | ScanBits(t.JoiningOf[t.LamAlefCode])) : 0;
  const uint16_t outside = static_cast<uint16_t>('?' | ScanBits(t.JoiningOf['?']));
  char16_t* out = end;
  unsigned nx = 0;  // nothing after the last code joins to it
  for (qsizetype i = len - 1; i >= 0; --i) {
    uint16_t v = scanOf(in[i]);
    if (v & CharTables::kScanPairs) [[unlikely]] {
      if (i > 0 && in[i] == kAlef && in[i - 1] == kLam) {
        v = lamAlef;
        --i;
      } else if (i > 0 && QChar::isLowSurrogate(in[i]) && QChar::isHighSurrogate(in[i - 1])) {
        v = outside;  // one character outside the code page
        --i;
      }
    }
    *--out = static_cast<char16_t>((v & CharTables::kScanCode) | nx << 9);
    // A mark lets the test see through it to the code after.
    nx = (v & CharTables::kScanMark) ? nx : (v & CharTables::kScanJoinsBefore) != 0;
  }
  return out;
}

char16_t* Scan(const CharTables& t, const char16_t* in, qsizetype len, char16_t* end) {
  if (t.ScanOfChar.empty())
    return Scan(t, in, len, end, [&t](char16_t u) { return ScanEntry(t, u, platform::AnsiCode(QChar(u))); });
  const uint16_t* table = t.ScanOfChar.data();
  return Scan(t, in, len, end, [table](char16_t u) { return table[u]; });
}

}  // namespace

CharTables::ShapeSteps::ShapeSteps(const std::array<Joining, GlyphCodeCount>& joining) {
  QChar high[4];
  for (int i = 0; i < 4; ++i) high[i] = platform::AnsiChar(static_cast<uint8_t>(128 + i));
  for (int x = 0; x < kInputs; ++x) {
    const int c = x & (GlyphCodeCount - 1);
    const bool nx = x >= GlyphCodeCount;
    uint8_t next = 0;
    for (int s = 0; s < 4; ++s) {
      const StepResult r = Step(joining, c, nx, s & 1, s & 2);
      Code[x * 4 + s] = static_cast<uint16_t>(r.code);
      const char16_t units[2] = {high[(r.code >> 7) & 3].unicode(), char16_t(r.code & 127)};
      std::memcpy(&Units[x * 4 + s], units, sizeof units);
      next |= static_cast<uint8_t>((r.p | r.a << 1) << (2 * s));
    }
    Next[x] = next;
  }
}

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

  // Pass 1 takes the first listed code whose text is the character, else its code-page code.
  std::vector<int16_t> codeOfChar(65536);
  for (int u = 0; u < 65536; ++u) codeOfChar[u] = static_cast<int16_t>(platform::AnsiCode(QChar(char16_t(u))));
  for (int c = GlyphCodeCount - 1; c >= 0; --c)
    if (t.CodeText[c].size() == 1) codeOfChar[t.CodeText[c][0].unicode()] = static_cast<int16_t>(c);
  t.LamAlefCode = -1;
  for (int c = 0; c < GlyphCodeCount && t.LamAlefCode < 0; ++c)
    if (t.CodeText[c] == LamAlef()) t.LamAlefCode = static_cast<int16_t>(c);

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
    t.JoiningOf[c] = j;
  }
  t.Steps = CharTables::ShapeSteps(t.JoiningOf);
  t.ScanOfChar.resize(65536);
  for (int u = 0; u < 65536; ++u) t.ScanOfChar[u] = ScanEntry(t, char16_t(u), codeOfChar[u]);
}

int16_t FindCode(std::span<const int16_t> list, int16_t code) {
  const auto it = std::find(list.begin(), list.end(), code);
  return it == list.end() ? int16_t{-1} : static_cast<int16_t>(it - list.begin());
}

QString GlyphCodeString(std::span<const int> codes) {
  QString s(static_cast<qsizetype>(codes.size()) * 2, Qt::Uninitialized);
  QChar* out = s.data();
  for (int c : codes) {
    *out++ = platform::AnsiChar(static_cast<uint8_t>(128 + ((c >> 7) & 3)));
    *out++ = QChar(char16_t(c & 127));
  }
  return s;
}

std::vector<int> GlyphCodes(const QString& glyphCodeString) {
  std::vector<int> codes;
  codes.reserve(static_cast<size_t>(glyphCodeString.size() / 2));
  for (qsizetype i = 0; i + 1 < glyphCodeString.size(); i += 2)
    codes.push_back((platform::AnsiCode(glyphCodeString[i]) & 3) * 128 + platform::AnsiCode(glyphCodeString[i + 1]));
  return codes;
}

std::vector<int> ShapeCodes(const CharTables& t, const QString& text) {
  const qsizetype len = text.size();
  std::unique_ptr<char16_t[]> work(new char16_t[static_cast<size_t>(len)]);  // no need to clear: written before read
  const char16_t* x = Scan(t, reinterpret_cast<const char16_t*>(text.constData()), len, work.get() + len);
  std::vector<int> out(static_cast<size_t>(work.get() + len - x));
  const uint16_t* code = t.Steps.Code.data();
  const uint8_t* next = t.Steps.Next.data();
  unsigned s = 0;
  for (int& c : out) {
    c = code[*x * 4 + s];
    s = (next[*x++] >> (2 * s)) & 3;
  }
  return out;
}

QString ShapeText(const CharTables& t, const QString& text) {
  // Two units per code, at most one code per unit of the text. Pass 1 writes its codes
  // into the end of the same string, and the step loop writes each pair of units at or
  // before the code it reads, so no second buffer is needed; cut to what was written.
  const qsizetype len = text.size();
  QString s(len * 2, Qt::Uninitialized);
  char16_t* const begin = reinterpret_cast<char16_t*>(s.data());
  const char16_t* x = Scan(t, reinterpret_cast<const char16_t*>(text.constData()), len, begin + 2 * len);
  const qsizetype n = begin + 2 * len - x;
  // Local pointers so that the stores into the string do not force the tables to be reloaded.
  const uint32_t* units = t.Steps.Units.data();
  const uint8_t* next = t.Steps.Next.data();
  char16_t* out = begin;
  unsigned state = 0;
  for (qsizetype j = 0; j < n; ++j, out += 2) {
    const unsigned xj = x[j];
    std::memcpy(out, &units[xj * 4 + state], 4);
    // The next state is read without waiting for the step's table entry: only a shift.
    state = (next[xj] >> (2 * state)) & 3;
  }
  s.truncate(n * 2);
  return s;
}

}  // namespace preview
