#include "platform/storage/CurrencyText.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace quitanza::platform {

using namespace doclib;

namespace {

constexpr int CurrencyDecimals = 4;
constexpr std::uint64_t CurrencyScale = 10000;
constexpr int MaxExponentDigits = 6;  // far past any exponent that can still fit 64 bits

std::invalid_argument NotAnAmount(QStringView text)
{
  return std::invalid_argument("'" + text.toString().toStdString() + "' não é um valor válido");
}

std::out_of_range AmountOutOfRange(QStringView text)
{
  return std::out_of_range("'" + text.toString().toStdString() + "' passa do maior valor possível");
}

// The parts of "[+-]digits[.digits][(e|E)[+-]digits]".
struct DecimalText {
  bool Negative = false;
  QString Digits;    // integer and fraction digits, no point
  int Exponent = 0;  // value = Digits * 10^Exponent
};

QString DigitsAt(QStringView text, qsizetype& i)
{
  QString digits;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) digits += text[i];
  return digits;
}

DecimalText SplitDecimal(QStringView text)
{
  DecimalText result;
  qsizetype i = 0;
  const auto next = [&] { return i < text.size() ? text[i] : QChar(); };
  const auto takeSign = [&] {
    const bool negative = next() == u'-';
    if (negative || next() == u'+') ++i;
    return negative;
  };
  result.Negative = takeSign();
  result.Digits = DigitsAt(text, i);
  if (next() == u'.') {
    ++i;
    const QString fraction = DigitsAt(text, i);
    result.Digits += fraction;
    result.Exponent = -static_cast<int>(fraction.size());
  }
  if (result.Digits.isEmpty()) throw NotAnAmount(text);
  if (next() == u'e' || next() == u'E') {
    ++i;
    const bool negativeExponent = takeSign();
    const QString exponent = DigitsAt(text, i);
    if (exponent.isEmpty() || exponent.size() > MaxExponentDigits) throw NotAnAmount(text);
    result.Exponent += (negativeExponent ? -1 : 1) * exponent.toInt();
  }
  if (i != text.size()) throw NotAnAmount(text);
  return result;
}

bool RoundsUp(QStringView droppedDigits, bool lastKeptIsOdd)
{
  const QChar first = droppedDigits.front();
  if (first != u'5') return first > u'5';
  for (QChar c : droppedDigits.sliced(1)) {
    if (c != u'0') return true;
  }
  return lastKeptIsOdd;  // exactly half: to the even neighbour
}

}  // namespace

QString CurrencyToText(Amount amount)
{
  const std::int64_t tenThousandths = amount.Ticks();
  const bool negative = tenThousandths < 0;
  // Through unsigned arithmetic: the most negative value has no positive twin.
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths) : static_cast<std::uint64_t>(tenThousandths);
  QString text = QString::number(magnitude / CurrencyScale);
  if (const std::uint64_t fraction = magnitude % CurrencyScale; fraction != 0) {
    QString decimals = QString::number(fraction).rightJustified(CurrencyDecimals, u'0');
    while (decimals.endsWith(u'0')) decimals.chop(1);
    text += u'.' + decimals;
  }
  return negative ? u'-' + text : text;
}

Amount CurrencyFromText(QStringView text)
{
  const DecimalText decimal = SplitDecimal(text);
  const int shift = decimal.Exponent + CurrencyDecimals;  // value in ten-thousandths = Digits * 10^shift

  // Digits past the units of ten-thousandths are dropped and decide the rounding;
  // when even the first of them lies further right, the dropped part is below one half.
  const qsizetype keep = std::min(decimal.Digits.size(), decimal.Digits.size() + shift);
  const QStringView kept = QStringView(decimal.Digits).first(std::max<qsizetype>(keep, 0));
  const QString dropped = keep < 0 ? QStringLiteral("0") : decimal.Digits.sliced(keep);

  std::uint64_t magnitude = 0;
  const auto accumulate = [&](std::uint64_t factor, std::uint64_t addend) {
    if (__builtin_mul_overflow(magnitude, factor, &magnitude) || __builtin_add_overflow(magnitude, addend, &magnitude)) {
      throw AmountOutOfRange(text);
    }
  };
  for (QChar c : kept) accumulate(10, static_cast<std::uint64_t>(c.unicode() - u'0'));
  for (int i = 0; i < shift && magnitude != 0; ++i) accumulate(10, 0);
  if (!dropped.isEmpty() && RoundsUp(dropped, magnitude % 2 == 1)) accumulate(1, 1);

  const std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (decimal.Negative ? 1 : 0);
  if (magnitude > limit) throw AmountOutOfRange(text);
  return Amount::FromTicks(decimal.Negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude));
}

}  // namespace quitanza::platform
