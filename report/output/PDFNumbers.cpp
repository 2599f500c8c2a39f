#include "report/output/PDFNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quitanza::report {

namespace {

// Adds one unit to the last digit of digits[0..length), carrying left; the
// buffer has room for one more digit in front at digits[-1].
char* IncrementDigits(char* digits, std::size_t length) {
  for (std::size_t i = length; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return digits;
    }
    digits[i] = '0';
  }
  *--digits = '1';
  return digits;
}

void AppendFixedTwoDecimals(std::string& out, bool negative, std::uint64_t hundredths) {
  char buffer[24];
  char* start = std::end(buffer);
  for (int place = 0; place < 3 || hundredths != 0; ++place) {
    if (place == 2)
      *--start = '.';
    *--start = char('0' + hundredths % 10);
    hundredths /= 10;
  }
  if (negative)
    *--start = '-';
  out.append(start, std::size_t(std::end(buffer) - start));
}

// The common case without text conversion: the value in hundredths is far
// enough from a half that the nearest binary value and its shortest decimal
// text round the same way. False, nothing written, when that cannot be told.
bool AppendQuickPdfFloat(std::string& out, double value) {
  const double hundredths = std::fabs(value) * 100;
  if (hundredths >= 1e15)
    return false;
  const double whole = std::floor(hundredths);
  const double fraction = hundredths - whole;
  if (std::fabs(fraction - 0.5) <= 1e-9 + hundredths * 1e-13)
    return false;
  const auto rounded = std::uint64_t(whole) + (fraction > 0.5 ? 1 : 0);
  AppendFixedTwoDecimals(out, value < 0 && rounded != 0, rounded);
  return true;
}

}  // namespace

QByteArray PdfFloat(double value) {
  std::string text;
  AppendPdfFloat(text, value);
  return QByteArray(text.data(), qsizetype(text.size()));
}

// Rounds the shortest decimal text that reads back as the value, so 1.005
// gives "1.01" as a person expects, not "1.00" from the nearest binary
// fraction 1.00499999...
void AppendPdfFloat(std::string& out, double value) {
  if (!std::isfinite(value))
    throw std::invalid_argument("a PDF number must be finite");
  if (AppendQuickPdfFloat(out, value))
    return;
  char shortest[400];
  const auto [end, error] = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(value),
                                          std::chars_format::fixed);
  if (error != std::errc())
    throw std::invalid_argument("number cannot be formatted for PDF");
  const std::string_view text(shortest, std::size_t(end - shortest));
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::string_view fraction = text.substr(std::min(point + 1, text.size()));

  // Integer digits and two decimals, with room for a carry and a sign in front.
  char buffer[404];
  char* digits = buffer + 2;
  std::copy_n(text.data(), point, digits);
  digits[point] = fraction.size() > 0 ? fraction[0] : '0';
  digits[point + 1] = fraction.size() > 1 ? fraction[1] : '0';
  std::size_t length = point + 2;
  if (fraction.size() > 2 && fraction[2] >= '5') {
    char* start = IncrementDigits(digits, length);
    length += std::size_t(digits - start);
    digits = start;
  }

  const bool negative = value < 0 && std::any_of(digits, digits + length, [](char c) { return c != '0'; });
  if (negative)
    out += '-';
  out.append(digits, length - 2);
  out += '.';
  out.append(digits + length - 2, 2);
}

QByteArray PdfInt(qint64 value) { return QByteArray::number(value); }

void AppendPdfInt(std::string& out, qint64 value) {
  char digits[24];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, std::size_t(written.ptr - digits));
}

}  // namespace quitanza::report
