#include "report/model/frxXMLEscape.h"

#include "report/model/frxStringScan.h"

namespace {

constexpr qsizetype kLongValue = 32;

bool NeedsEscape(QChar c)
{
  switch (c.unicode()) {
  case 10: case 13: case '"': case '&': case '<': case '>':
    return true;
  default:
    return false;
  }
}

void AppendCode(QString& out, char16_t code)
{
  out += QStringLiteral("&#");
  out += QString::number(code);
  out += QLatin1Char(';');
}

}  // namespace

void frxAppendXML(QString& out, const QString& value)
{
  const qsizetype length = value.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < length; ++i) {
    const QChar c = value[i];
    if (!NeedsEscape(c))
      continue;
    out.append(QStringView(value).sliced(start, i - start));
    if (c == QLatin1Char('&')) {
      if (QStringView(value).sliced(i).startsWith(u"&quot;")) {
        AppendCode(out, u'"');
        i += 5;
      } else if (length < kLongValue) {
        out += c;
      } else {
        AppendCode(out, u'&');
      }
    } else {
      AppendCode(out, c.unicode());
    }
    start = i + 1;
  }
  out.append(QStringView(value).sliced(start));
}

QString frxStrToXML(const QString& value)
{
  for (QChar c : value) {
    if (NeedsEscape(c)) {
      QString out;
      out.reserve(value.size() + 16);
      frxAppendXML(out, value);
      return out;
    }
  }
  return value;
}

QString frxXMLToStr(QStringView value)
{
  const qsizetype length = value.size();
  qsizetype amp = frxIndexOf(value, u'&');
  if (amp < 0)
    return value.toString();

  static constexpr struct { QStringView entity; char16_t code; } kNamed[] = {
      {u"&quot;", u'"'}, {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}};

  QString out;
  out.reserve(length);
  out.append(value.first(amp));
  qsizetype i = amp;
  while (i < length) {
    const QChar c = value[i];
    // The last character is never the start of a reference, and a reference
    // needs at least three characters after its '&'.
    if (c != QLatin1Char('&') || i + 3 >= length) {
      out += c;
      ++i;
      continue;
    }
    const QStringView rest = value.sliced(i);
    if (rest[1] == QLatin1Char('#')) {
      qsizetype j = 2;
      char32_t code = 0;
      while (j < rest.size() && rest[j].isDigit() && code <= 0x10FFFF)
        code = code * 10 + static_cast<char32_t>(rest[j++].digitValue());
      if (j > 2 && j < rest.size() && rest[j] == QLatin1Char(';') && code <= 0x10FFFF) {
        const char32_t ucs4[] = {code};
        out += QString::fromUcs4(ucs4, 1);
        i += j + 1;
        continue;
      }
    } else {
      bool named = false;
      for (const auto& [entity, code] : kNamed) {
        if (rest.startsWith(entity)) {
          out += QChar(code);
          i += entity.size();
          named = true;
          break;
        }
      }
      if (named)
        continue;
    }
    out += c;
    ++i;
  }
  return out;
}
