#pragma once
// The system's ANSI code page: Windows-1256 (Arabic). Records, glyph-code strings
// and list texts keep one byte per character through these conversions.
#include <QByteArray>
#include <QChar>
#include <QString>
#include <cstdint>

namespace platform {

// The character of an ANSI code (every one of the 256 codes is defined).
QChar AnsiChar(uint8_t code);
// The ANSI code of a character; a character outside the code page gives '?' (63).
int AnsiCode(QChar c);

// A text as ANSI bytes, one byte per character; characters outside the code page
// (a surrogate pair counts as one character) become '?'.
QByteArray ToAnsi(const QString& text);
// ANSI bytes as a text, one character per byte.
QString FromAnsi(const QByteArray& bytes);

}  // namespace platform
