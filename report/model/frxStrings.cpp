#include "report/model/frxStrings.h"

QString frxLinesToText(const QStringList& lines)
{
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return text;
}

QStringList frxSplitLines(QStringView text)
{
  const qsizetype nul = text.indexOf(QChar(0));
  if (nul >= 0)
    text = text.first(nul);
  QStringList lines;
  qsizetype start = 0;
  const qsizetype length = text.size();
  for (qsizetype i = 0; i < length; ++i) {
    const char16_t c = text[i].unicode();
    if (c != u'\r' && c != u'\n' && c != u'\u2028')
      continue;
    lines.append(text.sliced(start, i - start).toString());
    if (c == u'\r' && i + 1 < length && text[i + 1] == QLatin1Char('\n'))
      ++i;
    start = i + 1;
  }
  if (start < length)
    lines.append(text.sliced(start).toString());
  return lines;
}

QString frxJoinLines(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }
