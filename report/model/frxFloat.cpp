#include "report/model/frxFloat.h"

#include "report/model/frxErrors.h"

#include <array>
#include <charconv>
#include <cmath>

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
    out += QStringLiteral("0");
    return;
  }
  std::array<char, 64> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general, 15);
  if (ec != std::errc())
    throw EfrxError(QStringLiteral("Cannot format a number"));
  // to_chars writes "1e-05"; the file form is "1E-5".
  for (const char* p = digits.data(); p != end; ++p) {
    if (*p == '.') {
      out += decimalSeparator;
    } else if (*p == 'e') {
      out += QLatin1Char('E');
      ++p;
      if (*p == '-')
        out += QLatin1Char('-');
      ++p;
      while (p + 1 != end && *p == '0')
        ++p;
      for (; p != end; ++p)
        out += QLatin1Char(*p);
      return;
    } else {
      out += QLatin1Char(*p);
    }
  }
}

QString frxFloatToStr(long double value, QChar decimalSeparator)
{
  QString out;
  frxAppendFloat(out, value, decimalSeparator);
  return out;
}

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
  if (first != last && *first == '+')
    ++first;
  long double value = 0;
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
