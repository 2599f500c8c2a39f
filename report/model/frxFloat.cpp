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

// 10^0 .. 10^18 as integers.
constexpr std::array<std::uint64_t, 19> kIntegerPowers = [] {
  std::array<std::uint64_t, 19> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// "00" .. "99": digits are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The count of digits before the separator: d with 10^(d-1) <= magnitude <
// 10^d, at least -3 (the smallest fixed magnitude) and at most 15. Searched
// from 1 outwards: coordinates and sizes mostly have one to four.
int IntegerDigits(long double magnitude)
{
  // Thresholds 10^-3 .. 10^15: the threshold of d digits is at d + 3.
  static constexpr std::array<long double, 19> kThresholds = {
      1e-3L, 1e-2L, 1e-1L, 1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L,
      1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};
  int digits = 1;
  if (magnitude >= 1) {
    while (digits < 15 && magnitude >= kThresholds[static_cast<std::size_t>(digits + 3)])
      ++digits;
    return digits;
  }
  digits = 0;
  while (digits > -3 && magnitude < kThresholds[static_cast<std::size_t>(digits + 2)])
    --digits;
  return digits;
}

// Exactly `count` digits of `value`, leading zeros included.
char* PutDigits(char* to, std::uint64_t value, int count)
{
  char* const end = to + count;
  char* at = end;
  while (at - to >= 2) {
    at -= 2;
    std::copy_n(&kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2, at);
    value /= 100;
  }
  if (at != to)
    *to = static_cast<char>('0' + value % 10);
  return end;
}

int DigitCount(std::uint64_t value)
{
  int count = 1;
  while (count < 19 && value >= kIntegerPowers[static_cast<std::size_t>(count)])
    ++count;
  return count;
}

// Fixed notation for 1e-4 <= |value| < 1e15, the range in which the general
// format does not use an exponent: round to 15 significant digits as an
// integer, then split it at the separator and drop the fraction's trailing
// zeros.
char* FormatFixed(char* text, long double value, char decimalSeparator)
{
  const long double magnitude = std::fabs(value);
  int decimals = 15 - IntegerDigits(magnitude);
  // Ties to even, as the library formats do.
  auto mantissa = static_cast<std::uint64_t>(std::rint(magnitude * kExactPowers[static_cast<std::size_t>(decimals)]));
  if (mantissa >= 1000000000000000ULL) {  // rounding carried into a new digit
    if (decimals == 0)
      return nullptr;
    mantissa /= 10;
    --decimals;
  }
  const std::uint64_t unit = kIntegerPowers[static_cast<std::size_t>(decimals)];
  const std::uint64_t integer = mantissa / unit;
  std::uint64_t fraction = mantissa % unit;
  if (fraction == 0) {
    decimals = 0;
  } else {
    // Most values are short: drop zeros four at a time first.
    while (fraction % 10000 == 0) {
      fraction /= 10000;
      decimals -= 4;
    }
    while (fraction % 10 == 0) {
      fraction /= 10;
      --decimals;
    }
  }
  char* to = text;
  if (value < 0)
    *to++ = '-';
  to = PutDigits(to, integer, DigitCount(integer));
  if (decimals > 0) {
    *to++ = decimalSeparator;
    to = PutDigits(to, fraction, decimals);
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
