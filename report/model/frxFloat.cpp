#include "report/model/frxFloat.h"

#include "report/model/frxErrors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

QChar gDecimalSeparator = QLatin1Char('.');

EfrxError NotAFloat(const QString& text)
{
  return EfrxError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid floating point value"));
}

}  // namespace

QChar frxDecimalSeparator() { return gDecimalSeparator; }

void frxSetDecimalSeparator(QChar separator) { gDecimalSeparator = separator; }

namespace {

// Powers of ten exact in extended precision, 10^0 .. 10^19.
constexpr std::array<long double, 20> kExactPowers = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                                      1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                                      1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};

// Fixed notation for 1e-4 <= |value| < 1e15, the range in which the general
// format does not use an exponent: round to 15 significant digits as an
// integer, then place the separator and drop trailing zeros.
char* FormatFixed(char* text, long double value, char decimalSeparator)
{
  // Thresholds 10^-3 .. 10^15: the count of digits before the separator.
  static constexpr std::array<long double, 19> kThresholds = {
      1e-3L, 1e-2L, 1e-1L, 1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L,
      1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};
  const long double magnitude = std::fabs(value);
  int integerDigits = -3;
  while (integerDigits < 15 && magnitude >= kThresholds[static_cast<std::size_t>(integerDigits + 3)])
    ++integerDigits;
  int decimals = 15 - integerDigits;
  // Ties to even, as the library formats do.
  auto mantissa = static_cast<std::uint64_t>(std::rint(magnitude * kExactPowers[static_cast<std::size_t>(decimals)]));
  if (mantissa >= 1000000000000000ULL) {  // rounding carried into a new digit
    if (decimals == 0)
      return nullptr;
    mantissa /= 10;
    --decimals;
  }
  // Drop the zeros the fraction would lose anyway: most values are short.
  while (decimals >= 4 && mantissa % 10000 == 0) {
    mantissa /= 10000;
    decimals -= 4;
  }
  while (decimals > 0 && mantissa % 10 == 0) {
    mantissa /= 10;
    --decimals;
  }
  char digits[24];
  const int length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, mantissa).ptr - digits);
  char* to = text;
  if (value < 0)
    *to++ = '-';
  int fractionEnd = length;
  while (fractionEnd > length - decimals && fractionEnd > 0 && digits[fractionEnd - 1] == '0')
    --fractionEnd;
  const int integerLength = length - decimals;
  if (integerLength > 0) {
    to = std::copy(digits, digits + integerLength, to);
  } else {
    *to++ = '0';
  }
  if (fractionEnd > std::max(integerLength, 0)) {
    *to++ = decimalSeparator;
    for (int i = integerLength; i < 0; ++i)
      *to++ = '0';
    to = std::copy(digits + std::max(integerLength, 0), digits + fractionEnd, to);
  }
  return to;
}

}  // namespace

int frxFormatFloat(char* text, long double value, char decimalSeparator)
{
  if (!std::isfinite(value) || value == 0) {
    text[0] = '0';
    return 1;
  }
  const long double magnitude = std::fabs(value);
  char* end = nullptr;
  if (magnitude >= 1e-4L && magnitude < 1e15L)
    end = FormatFixed(text, value, decimalSeparator);
  if (end)
    return static_cast<int>(end - text);
  // Exponent form: "1E-5", "1E20".
  end = std::to_chars(text, text + kFloatTextSize, static_cast<double>(value), std::chars_format::general, 15).ptr;
  char* e = std::find(text, end, 'e');
  if (e != end) {
    char* to = e;
    *to++ = 'E';
    const char* from = e + 1;
    if (*from == '-')
      *to++ = *from;
    ++from;
    while (from + 1 != end && *from == '0')
      ++from;
    end = std::copy(from, static_cast<const char*>(end), to);
  }
  std::replace(text, end, '.', decimalSeparator);
  return static_cast<int>(end - text);
}

void frxAppendFloat(QString& out, long double value, QChar decimalSeparator)
{
  char text[kFloatTextSize];
  const int length = frxFormatFloat(text, value, static_cast<char>(decimalSeparator.unicode()));
  out.append(QLatin1StringView(text, length));
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
// value. Returns false for anything else, spaces included (the general path
// takes those).
bool ParseSimpleDecimal(const char* first, const char* last, long double& value)
{
  bool negative = false;
  if (first != last && (*first == '-' || *first == '+'))
    negative = *first++ == '-';
  const char* digitsStart = first;
  std::uint64_t mantissa = 0;
  while (first != last && static_cast<unsigned char>(*first - '0') < 10)
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*first++ - '0');
  const char* separator = first;
  if (first != last && (*first == '.' || *first == ','))
    ++first;
  const char* fractionStart = first;
  while (first != last && static_cast<unsigned char>(*first - '0') < 10)
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*first++ - '0');
  const auto decimals = first - fractionStart;
  const auto digits = (separator - digitsStart) + decimals;
  if (first != last || digits == 0 || digits > 18)
    return false;
  value = static_cast<long double>(mantissa) / kPowersOfTen[static_cast<std::size_t>(decimals)];
  if (negative)
    value = -value;
  return true;
}

}  // namespace

long double frxStrToFloat(QByteArrayView text)
{
  long double value = 0;
  if (ParseSimpleDecimal(text.data(), text.data() + text.size(), value))
    return value;
  std::array<char, 128> buffer{};
  std::size_t length = 0;
  for (char c : text) {
    if (c == ' ')
      continue;
    if (length + 1 >= buffer.size())
      throw NotAFloat(QString::fromUtf8(text));
    buffer[length++] = c == ',' ? '.' : c;
  }
  const char* first = buffer.data();
  const char* last = buffer.data() + length;
  if (first != last && *first == '+')
    ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || first == last)
    throw NotAFloat(QString::fromUtf8(text));
  return value;
}

long double frxStrToFloat(QStringView text) { return frxStrToFloat(QByteArrayView(text.toUtf8())); }

qint64 frxStrToInt(QStringView text)
{
  bool ok = false;
  const qint64 value = text.trimmed().toLongLong(&ok);
  if (!ok)
    throw EfrxError(QLatin1Char('\'') + text.toString() + QStringLiteral("' is not a valid integer value"));
  return value;
}

qint64 frxStrToInt(QByteArrayView text)
{
  qint64 value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+')
    ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec == std::errc() && end == last && first != last)
    return value;
  return frxStrToInt(QStringView(QString::fromUtf8(text)));
}
