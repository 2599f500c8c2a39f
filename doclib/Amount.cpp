#include "doclib/Amount.h"

#include "doclib/AmountCharacters.h"
#include "doclib/InvalidInputError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace quitanza::doclib {

namespace {

constexpr std::int64_t powerOfTen(int exponent)
{
  std::int64_t result = 1;
  for (int i = 0; i < exponent; ++i)
    result *= 10;
  return result;
}

[[noreturn]] void throwOutOfRange(const QString& text)
{
  throw InvalidInputError(QStringLiteral("Valor fora do limite: %1").arg(text));
}

// Rounds the exact decimal value <integerDigits>,<fractionDigits> to
// ten-thousandths, ties to even, as a magnitude. Empty on overflow.
std::optional<std::int64_t> ticksOfDecimal(QStringView integerDigits, QStringView fractionDigits)
{
  std::int64_t ticks = 0;
  auto appendDigit = [&ticks](QChar digit) {
    return !__builtin_mul_overflow(ticks, 10, &ticks) && !__builtin_add_overflow(ticks, digit.unicode() - u'0', &ticks);
  };
  for (const QChar digit : integerDigits)
    if (!appendDigit(digit))
      return std::nullopt;
  for (int i = 0; i < 4; ++i)
    if (!appendDigit(i < fractionDigits.size() ? fractionDigits[i] : QChar(u'0')))
      return std::nullopt;

  const QStringView dropped = fractionDigits.size() > 4 ? fractionDigits.mid(4) : QStringView();
  if (dropped.isEmpty())
    return ticks;
  const bool tailNonZero = std::any_of(dropped.begin() + 1, dropped.end(), [](QChar c) { return c != u'0'; });
  const bool aboveHalf = dropped[0] > u'5' || (dropped[0] == u'5' && tailNonZero);
  const bool exactlyHalf = dropped[0] == u'5' && !tailNonZero;
  if (aboveHalf || (exactlyHalf && ticks % 2 != 0)) {
    if (__builtin_add_overflow(ticks, 1, &ticks))
      return std::nullopt;
  }
  return ticks;
}

}  // namespace

Amount Amount::FromDouble(double value)
{
  const double scaled = std::nearbyint(value * TicksPerUnit);  // default rounding: ties to even
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double limit = 9223372036854775808.0;
  if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
    throwOutOfRange(QString::number(value, 'g', 17));
  return Amount(static_cast<std::int64_t>(scaled));
}

Amount Amount::FromBrazilianText(const QString& text)
{
  const QString kept = AmountCharacters(text);
  if (!IsAmountNumber(kept))
    ThrowNotANumber(kept);

  QStringView number(kept);
  const bool negative = number.startsWith(u'-');
  if (number.startsWith(u'-') || number.startsWith(u'+'))
    number = number.mid(1);
  const qsizetype comma = number.indexOf(u',');
  const QStringView integerDigits = comma < 0 ? number : number.left(comma);
  const QStringView fractionDigits = comma < 0 ? QStringView() : number.mid(comma + 1);

  const std::optional<std::int64_t> magnitude = ticksOfDecimal(integerDigits, fractionDigits);
  if (!magnitude)
    throwOutOfRange(text);
  return Amount(negative ? -*magnitude : *magnitude);
}

std::int64_t Amount::RoundedToDecimals(int decimals) const
{
  if (decimals < 0 || decimals > 4)
    throw std::invalid_argument("Amount::roundedToDecimals: decimals must be 0 to 4");
  const std::int64_t factor = powerOfTen(4 - decimals);
  const std::int64_t quotient = m_ticks / factor;
  const std::int64_t remainder = m_ticks % factor;
  // |remainder| * 2 cannot overflow: |remainder| < factor <= 10000.
  if (std::abs(remainder) * 2 >= factor)
    return quotient + (m_ticks < 0 ? -1 : 1);
  return quotient;
}

QString Amount::ToBrazilianText(int decimals) const
{
  if (decimals < 2 || decimals > 6)
    throw std::invalid_argument("Amount::ToBrazilianText: decimals must be 2 to 6");
  const int meaningfulDecimals = std::min(decimals, 4);
  const std::int64_t rounded = RoundedToDecimals(meaningfulDecimals);
  // Unsigned magnitude: the most negative count has no positive counterpart.
  const std::uint64_t magnitude = rounded < 0 ? 0 - static_cast<std::uint64_t>(rounded) : static_cast<std::uint64_t>(rounded);
  const std::uint64_t scale = static_cast<std::uint64_t>(powerOfTen(meaningfulDecimals));

  const QString integerDigits = QString::number(magnitude / scale);
  QString text;
  for (qsizetype i = 0; i < integerDigits.size(); ++i) {
    if (i > 0 && (integerDigits.size() - i) % 3 == 0)
      text += u'.';
    text += integerDigits.at(i);
  }
  text += u',';
  text += QString::number(magnitude % scale).rightJustified(meaningfulDecimals, u'0');
  text += QString(decimals - meaningfulDecimals, u'0');
  if (rounded < 0)
    text.prepend(u'-');
  return text;
}

}  // namespace quitanza::doclib
