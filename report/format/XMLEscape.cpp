#include "report/format/XMLEscape.h"

#include <QStringDecoder>

#include <string_view>

namespace quitanza::report {

namespace {

struct Reference {
  qsizetype Length = 0;  // 0: no reference here
  char32_t Code = 0;
};

// The character reference or named entity at the start of `rest`, which
// starts with '&'. A reference needs at least three characters after it.
Reference ReadReference(QStringView rest)
{
  static constexpr struct {
    std::u16string_view entity;
    char16_t code;
  } kNamed[] = {{u"&quot;", u'"'}, {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}};
  if (rest.size() < 4)
    return {};
  if (rest[1] == u'#') {
    qsizetype j = 2;
    char32_t code = 0;
    while (j < rest.size() && rest[j] >= u'0' && rest[j] <= u'9' && code <= 0x10FFFF)
      code = code * 10 + (rest[j++].unicode() - u'0');
    if (j > 2 && j < rest.size() && rest[j] == u';' && code <= 0x10FFFF)
      return {j + 1, code};
    return {};
  }
  for (const auto& [entity, code] : kNamed) {
    if (rest.startsWith(QStringView(entity.data(), static_cast<qsizetype>(entity.size()))))
      return {static_cast<qsizetype>(entity.size()), code};
  }
  return {};
}

bool NeedsEscape(char16_t c)
{
  switch (c) {
  case 10: case 13: case '"': case '&': case '<': case '>':
    return true;
  default:
    return false;
  }
}

constexpr qsizetype kLongValue = 32;

// The escaped form of value[i], a character that needs escaping, written to
// `to` (room for five characters), and how many more characters of the value
// it stands for.
struct Escape {
  qsizetype Length;
  qsizetype Skip;
};

Escape EscapeAt(QStringView value, qsizetype i, char* to)
{
  char16_t code = value[i].unicode();
  qsizetype skip = 0;
  if (code == u'&') {
    if (value.sliced(i).startsWith(u"&quot;")) {
      code = u'"';
      skip = 5;
    } else if (value.size() < kLongValue && ReadReference(value.sliced(i)).Length == 0) {
      // A short value keeps a bare '&' bare, as files have always had it,
      // unless the reader would take it for the start of a reference.
      to[0] = '&';
      return {1, 0};
    }
  }
  // Every escaped character is below 100.
  to[0] = '&';
  to[1] = '#';
  to[2] = static_cast<char>('0' + code / 10);
  to[3] = static_cast<char>('0' + code % 10);
  to[4] = ';';
  return {5, skip};
}

// The code point at value[i] (a surrogate pair joined, a lone surrogate as
// U+FFFD) as UTF-8; returns the units taken.
qsizetype AppendUtf8(std::string& out, QStringView value, qsizetype i)
{
  char32_t c = value[i].unicode();
  qsizetype taken = 1;
  if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
    c = QChar::surrogateToUcs4(static_cast<char16_t>(c), value[i + 1].unicode());
    taken = 2;
  } else if (QChar::isSurrogate(c)) {
    c = 0xFFFD;
  }
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return taken;
}

}  // namespace

void AppendXMLUtf8(std::string& out, QStringView value)
{
  for (qsizetype i = 0; i < value.size();) {
    // Plain ASCII, most of what values hold, goes in a run at a time.
    qsizetype run = i;
    while (run < value.size() && value[run].unicode() < 0x80 && !NeedsEscape(value[run].unicode()))
      ++run;
    if (run > i) {
      const std::size_t at = out.size();
      out.resize(at + static_cast<std::size_t>(run - i));
      for (qsizetype k = i; k < run; ++k)
        out[at + static_cast<std::size_t>(k - i)] = static_cast<char>(value[k].unicode());
      i = run;
      continue;
    }
    if (!NeedsEscape(value[i].unicode())) {
      i += AppendUtf8(out, value, i);
      continue;
    }
    char text[5];
    const Escape escape = EscapeAt(value, i, text);
    out.append(text, static_cast<std::size_t>(escape.Length));
    i += 1 + escape.Skip;
  }
}

QString XMLToStr(QStringView value)
{
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const Reference reference = value[i] == u'&' ? ReadReference(value.sliced(i)) : Reference();
    if (reference.Length == 0) {
      out.append(value[i]);
      continue;
    }
    const char32_t code[] = {reference.Code};
    out.append(QString::fromUcs4(code, 1));
    i += reference.Length - 1;
  }
  return out;
}

QString XMLToStr(QByteArrayView utf8)
{
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  const QString text = decoder(utf8);
  return utf8.contains('&') ? XMLToStr(QStringView(text)) : text;
}

}  // namespace quitanza::report
