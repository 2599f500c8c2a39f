#include "report/model/frxXMLEscape.h"

#include "report/model/frxXMLText.h"

#include <QStringDecoder>

#include <cstdint>
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

constexpr qsizetype kLongValue = 32;

bool NeedsEscape(char16_t c)
{
  switch (c) {
  case 10: case 13: case '"': case '&': case '<': case '>':
    return true;
  default:
    return false;
  }
}

// What the character at `i` (one that needs escaping) becomes: a numeric
// reference to `code`, or itself when `code` is 0; `skip` more units of the
// value are taken with it.
struct TEscape {
  char16_t code;
  qsizetype skip;
};

TEscape EscapeAt(QStringView value, qsizetype i)
{
  const char16_t c = value[i].unicode();
  if (c != u'&')
    return {c, 0};
  if (value.sliced(i).startsWith(u"&quot;"))
    return {u'"', 5};
  // A short value keeps a bare '&' bare, as files have always had it, unless
  // the reader would take it for the start of a reference and decode it.
  const bool readAsReference = ReadReference(value.sliced(i)).Length > 0;
  return {value.size() < kLongValue && !readAsReference ? char16_t(0) : u'&', 0};
}

// Every escaped character is below 100: its reference is "&#NN;".
char* PutReference(char* to, char16_t code)
{
  to[0] = '&';
  to[1] = '#';
  to[2] = static_cast<char>('0' + code / 10);
  to[3] = static_cast<char>('0' + code % 10);
  to[4] = ';';
  return to + 5;
}

void AppendEscaped(QString& out, QStringView value)
{
  const qsizetype length = value.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < length; ++i) {
    if (!NeedsEscape(value[i].unicode()))
      continue;
    out.append(value.sliced(start, i - start));
    const TEscape escape = EscapeAt(value, i);
    if (escape.code == 0) {
      out.append(value[i]);
    } else {
      char reference[5];
      out.append(QLatin1StringView(reference, PutReference(reference, escape.code)));
    }
    i += escape.skip;
    start = i + 1;
  }
  out.append(value.sliced(start));
}

// One character (a surrogate pair joined; a lone surrogate becomes U+FFFD)
// as UTF-8; returns the units taken.
qsizetype PutUtf8(char*& to, QStringView value, qsizetype i)
{
  char32_t c = value[i].unicode();
  qsizetype taken = 1;
  if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
    c = QChar::surrogateToUcs4(static_cast<char16_t>(c), value[i + 1].unicode());
    taken = 2;
  } else if (QChar::isSurrogate(c)) {
    c = 0xFFFD;
  }
  if (c < 0x800) {
    *to++ = static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    *to++ = static_cast<char>(0xE0 | (c >> 12));
    *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    *to++ = static_cast<char>(0xF0 | (c >> 18));
    *to++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *to++ = static_cast<char>(0x80 | (c & 0x3F));
  return taken;
}

// A referenced character: one unit, or two for a surrogate pair; at most as
// many as the reference has bytes.
QChar* PutCodePoint(QChar* to, char32_t code)
{
  if (code < 0x10000 && !QChar::isSurrogate(code)) {
    *to++ = QChar(static_cast<char16_t>(code));
    return to;
  }
  const char32_t ucs4[] = {code};
  for (QChar unit : QString::fromUcs4(ucs4, 1))
    *to++ = unit;
  return to;
}

// The same at the end of a string: no temporary string for the many
// characters of the basic plane.
void AppendCodePoint(QString& out, char32_t code)
{
  QChar units[2];
  out.append(units, PutCodePoint(units, code) - units);
}

}  // namespace

void frxAppendXML(QString& out, QStringView value) { AppendEscaped(out, value); }

// One pass straight into the output, without a UTF-8 temporary. Room is
// made for one byte a unit, what plain ASCII needs, and for the longest
// outcome of the rest (five bytes a unit, a reference) only once a unit
// needs more.
template <class Out> void frxAppendXMLUtf8(Out& out, QStringView value)
{
  const qsizetype length = value.size();
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(length));
  char* to = out.data() + at;
  bool roomy = false;
  for (qsizetype i = 0; i < length;) {
    const char16_t c = value[i].unicode();
    if (c < 0x80 && !NeedsEscape(c)) {
      *to++ = static_cast<char>(c);
      ++i;
      continue;
    }
    if (!roomy) {
      const std::size_t written = static_cast<std::size_t>(to - out.data());
      out.resize(written + 5 * static_cast<std::size_t>(length - i));
      to = out.data() + written;
      roomy = true;
    }
    if (c >= 0x80) {
      i += PutUtf8(to, value, i);
      continue;
    }
    const TEscape escape = EscapeAt(value, i);
    if (escape.code == 0)
      *to++ = static_cast<char>(c);
    else
      to = PutReference(to, escape.code);
    i += 1 + escape.skip;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
}

template void frxAppendXMLUtf8(std::string& out, QStringView value);
template void frxAppendXMLUtf8(TfrxXMLText& out, QStringView value);

QString frxStrToXML(const QString& value)
{
  for (QChar c : value) {
    if (NeedsEscape(c.unicode())) {
      QString out;
      out.reserve(value.size() + 16);
      frxAppendXML(out, value);
      return out;
    }
  }
  return value;
}

namespace {

// Plain UTF-8 into the units at `to`; returns the end of what was written.
// ASCII, nearly all a template holds, is widened here, eight bytes a round;
// the first other byte hands the rest to the decoder, which replaces bad
// sequences as QString::fromUtf8 does.
QChar* PutUtf8(QChar* to, QByteArrayView utf8)
{
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  const char* at = utf8.data();
  const char* const end = at + utf8.size();
  for (std::uint64_t word; end - at >= 8; at += 8, to += 8) {
    std::memcpy(&word, at, sizeof word);
    if (word & kHighBits)
      break;
    char16_t units[8];
    for (int k = 0; k < 8; ++k)
      units[k] = static_cast<unsigned char>(at[k]);
    std::memcpy(static_cast<void*>(to), units, sizeof units);
  }
  for (; at != end && static_cast<unsigned char>(*at) < 0x80; ++at)
    *to++ = QChar(static_cast<char16_t>(*at));
  if (at == end)
    return to;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  return decoder.appendToBuffer(to, QByteArrayView(at, end));
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
  if (utf8.isEmpty())
    return QString::fromUtf8(utf8);
  // One string, decoded into in one pass: text never takes more UTF-16
  // units than it has UTF-8 bytes, and a reference fewer than its own.
  QString out(utf8.size(), Qt::Uninitialized);
  QChar* to = out.data();
  const char* start = utf8.data();
  const char* const end = start + utf8.size();
  for (const char* at = start;;) {
    const auto* amp = static_cast<const char*>(std::memchr(at, '&', static_cast<std::size_t>(end - at)));
    if (!amp)
      break;
    const Reference reference = ReadReference(QByteArrayView(amp, end));
    if (reference.Length == 0) {
      at = amp + 1;
      continue;
    }
    to = PutUtf8(to, QByteArrayView(start, amp));
    to = PutCodePoint(to, reference.Code);
    at = start = amp + reference.Length;
  }
  to = PutUtf8(to, QByteArrayView(start, end));
  out.truncate(to - out.constData());
  return out;
}
