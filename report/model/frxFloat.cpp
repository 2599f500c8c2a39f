#include "report/model/frxFloat.h"

#include "report/model/frxErrors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

QChar gDecimalSeparator = QLatin1Char('.');

EfrxError NotAFloat(QStringView text)
{
  return EfrxError(QLatin1Char('\'') + text.toString() + QStringLiteral("' is not a valid floating point value"));
}

}  // namespace

QChar frxDecimalSeparator() { return gDecimalSeparator; }

void frxSetDecimalSeparator(QChar separator) { gDecimalSeparator = separator; }

void frxAppendFloat(QString& out, long double value, QChar decimalSeparator)
{
  if (!std::isfinite(value)) {
    out += QLatin1Char('0');
    return;
  }
  // Fifteen significant digits are within a double's precision, and the
  // double conversion is far faster than the extended one.
  std::array<char, 40> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<double>(value),
                                 std::chars_format::general, 15);
  if (ec != std::errc())
    throw EfrxError(QStringLiteral("Cannot format a number"));
  char16_t text[48];
  char16_t* to = text;
  // to_chars writes "1e-05"; the file form is "1E-5".
  for (const char* p = digits.data(); p != end; ++p) {
    if (*p == '.') {
      *to++ = decimalSeparator.unicode();
    } else if (*p == 'e') {
      *to++ = u'E';
      ++p;
      if (*p == '-')
        *to++ = u'-';
      ++p;
      while (p + 1 != end && *p == '0')
        ++p;
      for (; p != end; ++p)
        *to++ = static_cast<char16_t>(*p);
      break;
    } else {
      *to++ = static_cast<char16_t>(*p);
    }
  }
  out.append(QStringView(text, to - text));
}

QString frxFloatToStr(long double value, QChar decimalSeparator)
{
  QString out;
  frxAppendFloat(out, value, decimalSeparator);
  return out;
}

namespace {

// Exact powers of ten in extended precision (all below 2^64 * 2^27).
constexpr std::array<long double, 19> kPowersOfTen = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                                      1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                                      1e14L, 1e15L, 1e16L, 1e17L, 1e18L};

// Plain decimals ("-548.9295") with up to 18 digits: the integer mantissa and
// the power of ten are exact, so one division gives the correctly rounded
// value. Returns false for anything else.
bool ParseSimpleDecimal(const char* first, const char* last, long double& value)
{
  bool negative = false;
  if (first != last && (*first == '-' || *first == '+'))
    negative = *first++ == '-';
  std::uint64_t mantissa = 0;
  int digits = 0;
  int decimals = -1;
  for (; first != last; ++first) {
    if (*first == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (*first < '0' || *first > '9' || digits == 18)
      return false;
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*first - '0');
    ++digits;
    if (decimals >= 0)
      ++decimals;
  }
  if (digits == 0)
    return false;
  value = static_cast<long double>(mantissa) / kPowersOfTen[static_cast<std::size_t>(std::max(decimals, 0))];
  if (negative)
    value = -value;
  return true;
}

}  // namespace

long double frxStrToFloat(QStringView text)
{
  std::array<char, 128> buffer{};
  std::size_t length = 0;
  for (QChar c : text) {
    if (c == QLatin1Char(' '))
      continue;
    if (c.unicode() > 127 || length + 1 >= buffer.size())
      throw NotAFloat(text);
    buffer[length++] = (c == QLatin1Char(',')) ? '.' : static_cast<char>(c.unicode());
  }
  const char* first = buffer.data();
  const char* last = buffer.data() + length;
  long double value = 0;
  if (ParseSimpleDecimal(first, last, value))
    return value;
  if (first != last && *first == '+')
    ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || first == last)
    throw NotAFloat(text);
  return value;
}

qint64 frxStrToInt(QStringView text)
{
  bool ok = false;
  const qint64 value = text.trimmed().toLongLong(&ok);
  if (!ok)
    throw EfrxError(QLatin1Char('\'') + text.toString() + QStringLiteral("' is not a valid integer value"));
  return value;
}
