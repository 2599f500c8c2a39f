#include "report/output/frxPDFNumbers.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// Adds one unit to the last digit of a decimal digit string, carrying left.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

// Rounds the shortest decimal text that reads back as the value, so 1.005
// gives "1.01" as a person expects, not "1.00" from the nearest binary
// fraction 1.00499999...
QByteArray PdfFloat(double value) {
  if (!std::isfinite(value))
    throw std::invalid_argument("a PDF number must be finite");
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, std::fabs(value),
                                          std::chars_format::fixed);
  if (error != std::errc())
    throw std::invalid_argument("number cannot be formatted for PDF");
  const std::string_view shortest(text, std::size_t(end - text));
  const auto point = shortest.find('.');
  const std::string_view integerPart = shortest.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : shortest.substr(point + 1);

  std::string digits(integerPart);
  digits += fraction.size() > 0 ? fraction[0] : '0';
  digits += fraction.size() > 1 ? fraction[1] : '0';
  if (fraction.size() > 2 && fraction[2] >= '5')
    IncrementDigits(digits);

  const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
  std::string result = negative ? "-" : "";
  result.append(digits, 0, digits.size() - 2);
  result += '.';
  result.append(digits, digits.size() - 2, 2);
  return QByteArray::fromStdString(result);
}

QByteArray PdfInt(qint64 value) { return QByteArray::number(value); }
