#pragma once

#include <QString>

#include <compare>
#include <cstdint>

namespace quitanza::doclib {

// A money amount held exactly as a signed count of ten-thousandths, so that
// sums, comparisons and the amount printed in words never suffer binary
// floating-point error.
class Amount {
public:
  static constexpr std::int64_t TicksPerUnit = 10000;

  constexpr Amount() = default;
  static constexpr Amount FromTicks(std::int64_t ticks) { return Amount(ticks); }

  // Nearest count of ten-thousandths, ties to the even count.
  // Throws InvalidInputError when the number is not finite or out of range.
  static Amount FromDouble(double value);

  // Reads a Brazilian amount text the way an amount field does (thousands
  // points, a currency prefix and earlier commas ignored; see AmountCharacters)
  // and rounds its exact decimal value to ten-thousandths, ties to even.
  // Throws InvalidInputError when nothing numeric is left or it is out of range.
  static Amount FromBrazilianText(const QString& text);

  constexpr std::int64_t Ticks() const { return m_ticks; }
  double ToDouble() const { return static_cast<double>(m_ticks) / TicksPerUnit; }

  // The count rounded to the given number of decimals (0 to 4), half away
  // from zero, expressed in units of that many decimals: 1,005 -> 101 at 2.
  std::int64_t RoundedToDecimals(int decimals) const;

  // Brazilian form with thousands points and exactly `decimals` decimals
  // (2 to 6), rounded half away from zero: 1.234,50; -0,50; 0,000000.
  // Only four decimals carry information: a fifth and sixth are always 0.
  QString ToBrazilianText(int decimals) const;

  constexpr auto operator<=>(const Amount&) const = default;

private:
  constexpr explicit Amount(std::int64_t ticks) : m_ticks(ticks) {}

  std::int64_t m_ticks = 0;
};

}  // namespace quitanza::doclib
