#include "preview/Shaping.h"

#include <algorithm>

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

// Runs the three passes and hands every final code to `sink`, in the order of the text.
// Passes 2 and 3 run together: the contextual form of position j reads only the
// unchanged codes after j, and the digit pass needs each code only once it is final.
template <typename Sink>
void Shape(const CharTables& t, const QString& text, Sink&& sink) {
  const qsizetype len = text.size();
  if (len == 0) return;
  const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
  const int16_t* lut = t.CodeOfChar.empty() ? nullptr : t.CodeOfChar.data();

  // Pass 1: the text as codes. The work array grows with the text, so a text of any
  // length is shaped whole.
  std::vector<uint16_t> codes(static_cast<size_t>(len));
  size_t n = 0;
  for (qsizetype i = 0; i < len; ++i) {
    const char16_t u = in[i];
    if (u == kLam && i + 1 < len && in[i + 1] == kAlef && t.LamAlefCode >= 0) {
      codes[n++] = static_cast<uint16_t>(t.LamAlefCode);
      ++i;
    } else if (QChar::isHighSurrogate(u) && i + 1 < len && QChar::isLowSurrogate(in[i + 1])) {
      codes[n++] = '?';  // one character outside the code page
      ++i;
    } else {
      codes[n++] = lut ? static_cast<uint16_t>(lut[u]) : static_cast<uint16_t>(platform::AnsiCode(QChar(u)));
    }
  }

  const auto& joining = t.JoiningOf;
  bool p = false;  // the letter before joins to this one
  bool a = false;  // Arabic context for digits
  for (size_t j = 0; j < n; ++j) {
    int c = codes[j];
    const Joining cls = joining[c];
    switch (cls) {
      case Joining::Mark: break;
      case Joining::Right:
        if (p) c += 1;
        p = false;
        break;
      case Joining::None:
      case Joining::NonJoining: p = false; break;
      case Joining::Dual: {
        // A letter joins forward when the next code that is not a mark joins to it.
        size_t k = j + 1;
        while (k < n && joining[codes[k]] == Joining::Mark) ++k;
        const bool nx = k < n && JoinsBefore(joining[codes[k]]);
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
    }
    // Pass 3: digits follow the context of the codes before them.
    if (a && c >= 48 && c <= 57)
      c += 80;
    else if (!a && c >= kFirstDigitCode && c <= kFirstDigitCode + 9)
      c -= 80;
    if (c >= 65 && c <= 127)
      a = false;
    else if (c >= 128 && joining[c] != Joining::NonJoining)
      a = true;
    sink(c);
  }
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

  // Pass 1 takes the first listed code whose text is the character, else its code-page code.
  t.CodeOfChar.assign(65536, 0);
  for (int u = 0; u < 65536; ++u) t.CodeOfChar[u] = static_cast<int16_t>(platform::AnsiCode(QChar(char16_t(u))));
  for (int c = GlyphCodeCount - 1; c >= 0; --c)
    if (t.CodeText[c].size() == 1) t.CodeOfChar[t.CodeText[c][0].unicode()] = static_cast<int16_t>(c);
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
  std::vector<int> out;
  out.reserve(static_cast<size_t>(text.size()));
  Shape(t, text, [&](int c) { out.push_back(c); });
  return out;
}

QString ShapeText(const CharTables& t, const QString& text) {
  // At most two units per character of the text; cut to what was written.
  QString s(text.size() * 2, Qt::Uninitialized);
  QChar* const begin = s.data();
  QChar* out = begin;
  QChar high[4];
  for (int i = 0; i < 4; ++i) high[i] = platform::AnsiChar(static_cast<uint8_t>(128 + i));
  Shape(t, text, [&](int c) {
    *out++ = high[c >> 7];
    *out++ = QChar(char16_t(c & 127));
  });
  s.truncate(out - begin);
  return s;
}

}  // namespace preview
