#include "report/model/frxXMLEscape.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

// An inlined search: the library's general one costs more than the scan of an
// attribute-sized string.
qsizetype IndexOfAmpersand(QStringView text)
{
  const std::u16string_view view(text.utf16(), static_cast<std::size_t>(text.size()));
  const std::size_t at = view.find(u'&');
  return at == std::u16string_view::npos ? -1 : static_cast<qsizetype>(at);
}

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

void Put(QString& out, QStringView text) { out.append(text); }

// UTF-16 to UTF-8, surrogate pairs joined; a lone surrogate becomes U+FFFD.
void Put(std::string& out, QStringView text)
{
  const qsizetype length = text.size();
  qsizetype ascii = 0;
  while (ascii < length && text[ascii].unicode() < 0x80)
    ++ascii;
  std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(ascii));
  for (qsizetype i = 0; i < ascii; ++i)
    out[at++] = static_cast<char>(text[i].unicode());
  for (qsizetype i = ascii; i < length; ++i) {
    char32_t c = text[i].unicode();
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < length && text[i + 1].isLowSurrogate())
      c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text[++i].unicode());
    else if (QChar::isSurrogate(c))
      c = 0xFFFD;
    if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

template <class Out> void PutCode(Out& out, char16_t code)
{
  char16_t text[8] = {u'&', u'#'};
  char digits[6];
  const char* end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(code)).ptr;
  std::size_t length = 2;
  for (const char* p = digits; p != end; ++p)
    text[length++] = static_cast<char16_t>(*p);
  text[length++] = u';';
  Put(out, QStringView(text, static_cast<qsizetype>(length)));
}

template <class Out> void AppendEscaped(Out& out, QStringView value)
{
  const qsizetype length = value.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < length; ++i) {
    const QChar c = value[i];
    if (!NeedsEscape(c))
      continue;
    Put(out, value.sliced(start, i - start));
    if (c == QLatin1Char('&')) {
      if (value.sliced(i).startsWith(u"&quot;")) {
        PutCode(out, u'"');
        i += 5;
      } else if (length < kLongValue) {
        Put(out, u"&");
      } else {
        PutCode(out, u'&');
      }
    } else {
      PutCode(out, c.unicode());
    }
    start = i + 1;
  }
  Put(out, value.sliced(start));
}

// A character of the basic plane goes in as it is, without the temporary
// string a conversion would allocate for every reference.
void AppendCodePoint(QString& out, char32_t code)
{
  if (code < 0x10000 && !QChar::isSurrogate(code)) {
    out += QChar(static_cast<char16_t>(code));
    return;
  }
  const char32_t ucs4[] = {code};
  out += QString::fromUcs4(ucs4, 1);
}

}  // namespace

void frxAppendXML(QString& out, QStringView value) { AppendEscaped(out, value); }

void frxAppendXMLUtf8(std::string& out, QStringView value) { AppendEscaped(out, value); }

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

namespace {

struct Reference {
  qsizetype Length = 0;  // 0: no reference here
  char32_t Code = 0;
};

// The character reference or named entity at the start of `rest`, which
// starts with '&'. A reference needs at least three characters after it.
char32_t Unit(QStringView text, qsizetype i) { return text[i].unicode(); }
char32_t Unit(QByteArrayView text, qsizetype i) { return static_cast<unsigned char>(text[i]); }

template <class Text> Reference ReadReference(Text rest)
{
  static constexpr struct { std::string_view entity; char16_t code; } kNamed[] = {
      {"&quot;", u'"'}, {"&amp;", u'&'}, {"&lt;", u'<'}, {"&gt;", u'>'}};
  if (rest.size() < 4)
    return {};
  if (Unit(rest, 1) == '#') {
    qsizetype j = 2;
    char32_t code = 0;
    while (j < rest.size() && Unit(rest, j) >= '0' && Unit(rest, j) <= '9' && code <= 0x10FFFF)
      code = code * 10 + (Unit(rest, j++) - '0');
    if (j > 2 && j < rest.size() && Unit(rest, j) == ';' && code <= 0x10FFFF)
      return {j + 1, code};
    return {};
  }
  for (const auto& [entity, code] : kNamed) {
    const auto length = static_cast<qsizetype>(entity.size());
    if (rest.size() < length)
      continue;
    qsizetype k = 0;
    while (k < length && Unit(rest, k) == static_cast<unsigned char>(entity[static_cast<std::size_t>(k)]))
      ++k;
    if (k == length)
      return {length, code};
  }
  return {};
}

void AppendUtf8(QString& out, QByteArrayView utf8)
{
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      out += QString::fromUtf8(utf8);
      return;
    }
  }
  out += QLatin1StringView(utf8);
}

}  // namespace

QString frxXMLToStr(QStringView value)
{
  const qsizetype length = value.size();
  qsizetype amp = IndexOfAmpersand(value);
  if (amp < 0)
    return value.toString();
  QString out;
  out.reserve(length);
  qsizetype start = 0;
  for (qsizetype i = amp; i < length; ++i) {
    if (value[i] != QLatin1Char('&'))
      continue;
    const Reference reference = ReadReference(value.sliced(i));
    if (reference.Length == 0)
      continue;
    out += value.sliced(start, i - start);
    AppendCodePoint(out, reference.Code);
    i += reference.Length - 1;
    start = i + 1;
  }
  out += value.sliced(start);
  return out;
}

QString frxXMLToStr(QByteArrayView utf8)
{
  const auto* amp = static_cast<const char*>(std::memchr(utf8.data(), '&', static_cast<std::size_t>(utf8.size())));
  if (!amp)
    return QString::fromUtf8(utf8);
  const qsizetype length = utf8.size();
  QString out;
  out.reserve(length);
  qsizetype start = 0;
  for (qsizetype i = amp - utf8.data(); i < length; ++i) {
    if (utf8[i] != '&')
      continue;
    const Reference reference = ReadReference(utf8.sliced(i));
    if (reference.Length == 0)
      continue;
    AppendUtf8(out, utf8.sliced(start, i - start));
    AppendCodePoint(out, reference.Code);
    i += reference.Length - 1;
    start = i + 1;
  }
  AppendUtf8(out, utf8.sliced(start));
  return out;
}
