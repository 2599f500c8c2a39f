#pragma once

#include <QString>

namespace quitanza::doclib {

// Small text helpers with the library's own definitions: only "0" to "9" are
// digits (no other script's digits), and a blank is any character from code
// 0 to 32.

inline bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

inline bool IsBlank(QChar c) { return c.unicode() <= 32; }

// Removes leading and trailing blanks.
QString TrimBlanks(const QString& text);

// `count` characters from 1-based `position`; shortened or empty where the
// text runs out.
inline QString Piece(const QString& text, qsizetype position, qsizetype count)
{
  return text.mid(position - 1, count);
}

}  // namespace quitanza::doclib
