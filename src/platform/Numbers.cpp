#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace platform {

double RoundHalfEven(double v) { return std::nearbyint(v); }  // default FE_TONEAREST

int32_t RoundToInt32(double v) {
  if (std::isnan(v)) return 0;
  const double r = RoundHalfEven(v);
  if (r <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (r >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

namespace {
bool IsSkippable(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

double LeadingNumber(const QString& text) {
  // Blanks are ignored anywhere inside the number, as the classic Val does.
  QString s;
  s.reserve(text.size());
  for (QChar c : text)
    if (!IsSkippable(c)) s.append(c);
  if (s.size() >= 2 && s[0] == '&') {
    const QChar p = s[1].toUpper();
    const int base = p == 'H' ? 16 : p == 'O' ? 8 : 0;
    if (base == 0) return 0;
    double v = 0;
    for (int i = 2; i < s.size(); ++i) {
      const int d = QString(s[i]).toInt(nullptr, 16);
      const bool ok = s[i].isDigit() || (base == 16 && QString("abcdefABCDEF").contains(s[i]));
      if (!ok || d >= base) break;
      v = v * base + d;
    }
    return v;
  }
  int i = 0;
  QString num;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.append(s[i++]);
  bool digits = false;
  while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) { num.append(s[i++]); digits = true; }
  if (i < s.size() && s[i] == '.') {
    num.append(s[i++]);
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) { num.append(s[i++]); digits = true; }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    QString exp = "e";
    int j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.append(s[j++]);
    bool expDigits = false;
    while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) { exp.append(s[j++]); expDigits = true; }
    if (expDigits) num.append(exp);
  }
  const double v = num.toDouble();
  return std::isfinite(v) ? v : (v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max());
}

std::optional<double> WholeNumber(const QString& text) {
  bool ok = false;
  const double v = text.trimmed().toDouble(&ok);
  if (!ok) return std::nullopt;
  return v;
}

}  // namespace platform
