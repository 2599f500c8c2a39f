#include "report/model/Strings.h"

namespace quitanza::report {

QString LinesToText(const QStringList& lines)
{
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return text;
}

namespace {

// A text ends at its first NUL character. Printable characters are settled
// by the first comparison.
bool IsLineBreakOrEnd(char16_t c)
{
  return c < u' ' ? c == u'\r' || c == u'\n' || c == 0 : c == u'\u2028';
}

}  // namespace

QStringList SplitLines(const QString& whole)
{
  QStringView text = whole;
  const qsizetype length = text.size();
  qsizetype i = 0;
  while (i < length && !IsLineBreakOrEnd(text[i].unicode()))
    ++i;
  // Most texts are one line: the list shares the text itself.
  if (i == length)
    return length == 0 ? QStringList() : QStringList{whole};
  const qsizetype nul = text.indexOf(QChar(0));
  if (nul >= 0)
    text = text.first(nul);
  QStringList lines;
  qsizetype start = 0;
  for (i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c != u'\r' && c != u'\n' && c != u'\u2028')
      continue;
    lines.append(text.sliced(start, i - start).toString());
    if (c == u'\r' && i + 1 < length && text[i + 1] == QLatin1Char('\n'))
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    lines.append(text.sliced(start).toString());
  return lines;
}

QString JoinLines(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

}  // namespace quitanza::report
