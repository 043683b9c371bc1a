#pragma once
// Reading numbers the user typed, and the rounding used throughout.
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);
// RoundHalfEven, limited to the 32-bit signed range (NaN gives 0).
int32_t RoundToInt32(double v);

// The leading number of a text: blanks, tabs and line feeds are skipped, reading
// stops at the first character that cannot continue a number, "&H" and "&O" give
// hexadecimal and octal, the full stop is the decimal separator, and a text
// without a number reads as 0.
double LeadingNumber(const QString& text);

// The whole text taken as a number (surrounding blanks allowed); nullopt when the
// text is not a number.
std::optional<double> WholeNumber(const QString& text);

}  // namespace platform
