#include "report/format/Float.h"

#include "report/format/Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace quitanza::report {

namespace {

QChar gDecimalSeparator = QLatin1Char('.');

ReportError NotAFloat(const QString& text)
{
  return ReportError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid floating point value"));
}

}  // namespace

QChar DecimalSeparator() { return gDecimalSeparator; }

void SetDecimalSeparator(QChar separator) { gDecimalSeparator = separator; }

void AppendFloat(std::string& out, long double value, QChar decimalSeparator)
{
  if (!std::isfinite(value) || value == 0) {
    out.push_back('0');
    return;
  }
  // Outside the fixed range of the general form (|value| below 1e-4 or from
  // 1e15 on) files have always held the digits of the value as a double.
  const long double magnitude = std::fabs(value);
  const bool fixed = magnitude >= 1e-4L && magnitude < 1e15L;
  char text[64];
  const std::to_chars_result result =
      fixed ? std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15)
            : std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 15);
  const std::string_view digits(text, static_cast<std::size_t>(result.ptr - text));
  // The library writes "1e-05" and "1e+20"; files have "1E-5" and "1E20".
  const std::size_t e = digits.find('e');
  std::string number(digits.substr(0, e));
  std::replace(number.begin(), number.end(), '.', static_cast<char>(decimalSeparator.unicode()));
  out += number;
  if (e == std::string_view::npos)
    return;
  out.push_back('E');
  std::string_view exponent = digits.substr(e + 1);
  if (exponent.front() == '-')
    out.push_back('-');
  exponent.remove_prefix(1);
  while (exponent.size() > 1 && exponent.front() == '0')
    exponent.remove_prefix(1);
  out += exponent;
}

QString FloatToStr(long double value, QChar decimalSeparator)
{
  std::string text;
  AppendFloat(text, value, decimalSeparator);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

long double StrToFloat(QByteArrayView text)
{
  std::string number;
  for (char c : text) {
    if (c != ' ')
      number.push_back(c == ',' ? '.' : c);
  }
  const char* first = number.data();
  const char* last = first + number.size();
  if (first != last && *first == '+')
    ++first;
  long double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last)
    throw NotAFloat(QString::fromUtf8(text));
  return value;
}

namespace {

// 10^0 .. 10^20, each exact in a long double.
constexpr std::array<long double, 21> kPowersOfTen = [] {
  std::array<long double, 21> powers{};
  long double power = 1;
  for (long double& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

// FileFloat without the text, for magnitudes in the fixed range: `magnitude`
// scaled to 15 integer digits and rounded, then scaled back. The digits and
// the power of ten are exact, so the division rounds once, as reading the
// digits would. Empty where the binary rounding could disagree with the
// decimal one: near a tie, or when the decade guessed from the logarithm is
// off.
std::optional<long double> ScaledFileMagnitude(long double magnitude)
{
  const int shift = 14 - static_cast<int>(std::floor(std::log10(magnitude)));
  if (shift < 0 || shift >= static_cast<int>(kPowersOfTen.size()))
    return std::nullopt;
  const long double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(shift)];
  // The product is off the exact one by far less than this.
  if (std::fabs(scaled - std::floor(scaled) - 0.5L) < 1e-3L)
    return std::nullopt;
  const long double digits = std::round(scaled);
  if (digits < 1e14L || digits > 1e15L)
    return std::nullopt;
  return digits / kPowersOfTen[static_cast<std::size_t>(shift)];
}

}  // namespace

long double FileFloat(long double value)
{
  // Source pages copy hundreds of floats per preparation this way.
  const long double magnitude = std::fabs(value);
  if (std::isfinite(value) && magnitude >= 1e-4L && magnitude < 1e15L) {
    if (const std::optional<long double> scaled = ScaledFileMagnitude(magnitude))
      return value < 0 ? -*scaled : *scaled;
  }
  std::string text;
  AppendFloat(text, value, QLatin1Char('.'));
  return StrToFloat(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

long double StrToFloat(QStringView text) { return StrToFloat(QByteArrayView(text.toUtf8())); }

qint64 StrToInt(QStringView text)
{
  bool ok = false;
  const qint64 value = text.trimmed().toLongLong(&ok);
  if (!ok)
    throw ReportError(QLatin1Char('\'') + text.toString() + QStringLiteral("' is not a valid integer value"));
  return value;
}

}  // namespace quitanza::report
