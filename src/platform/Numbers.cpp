#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

bool IsSkippable(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsAsciiDigit(QChar c) { return c >= '0' && c <= '9'; }

int DigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return 99;
}

// Finite results only: a number too large for a double reads as the largest
// double, so no infinity travels on into sizes and loops.
double Finite(double v) {
  if (std::isnan(v)) return 0;
  if (std::isinf(v)) return v > 0 ? kMax : -kMax;
  return v + 0.0;  // no "-0"
}

struct Scan {
  double value = 0;
  qsizetype used = 0;  // characters that belong to the number; 0 for none
};

// Reads the number at the start of s: "&H"/"&O" digits, or a decimal number
// with an optional sign, fraction and exponent (E or D).
Scan ScanNumber(QStringView s) {
  Scan r;
  if (s.size() >= 2 && s[0] == '&') {
    const QChar p = s[1].toUpper();
    const int base = p == 'H' ? 16 : p == 'O' ? 8 : 0;
    if (base == 0) return r;
    qsizetype i = 2;
    double v = 0;
    for (; i < s.size(); ++i) {
      const int d = DigitValue(s[i]);
      if (d >= base) break;
      v = v > kMax / base ? kMax : v * base + d;
    }
    if (i == 2) return r;
    r.value = v;
    r.used = i;
    return r;
  }
  qsizetype i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false;
  while (i < s.size() && IsAsciiDigit(s[i])) {
    ++i;
    digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsAsciiDigit(s[i])) {
      ++i;
      digits = true;
    }
  }
  if (!digits) return r;
  QString num = s.first(i).toString();
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    qsizetype j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const qsizetype expDigits = j;
    while (j < s.size() && IsAsciiDigit(s[j])) ++j;
    if (j > expDigits) {
      num += 'e';
      num += s.sliced(i + 1, j - i - 1);
      i = j;
    }
  }
  // toDouble reports overflow as infinity and underflow as 0; both are wanted here.
  r.value = Finite(num.toDouble());
  r.used = i;
  return r;
}

}  // namespace

double RoundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double down = std::floor(v);
  const double diff = v - down;
  if (diff < 0.5) return down + 0.0;
  if (diff > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down + 0.0 : down + 1.0;
}

int32_t RoundToInt32(double v) {
  if (std::isnan(v)) return 0;
  const double r = RoundHalfEven(v);
  if (r <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (r >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

double LeadingNumber(const QString& text) {
  // Blanks are ignored anywhere inside the number, as the classic leading-number reading does.
  QString s;
  s.reserve(text.size());
  for (QChar c : text)
    if (!IsSkippable(c)) s.append(c);
  return ScanNumber(s).value;
}

std::optional<double> WholeNumber(const QString& text) {
  const QString s = text.trimmed();
  const Scan r = ScanNumber(s);
  if (r.used == 0 || r.used != s.size()) return std::nullopt;
  return r.value;
}

}  // namespace platform
