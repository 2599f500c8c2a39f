#include "doclib/CheckDigits.h"

namespace quitanza::doclib {

int Modulus11CheckDigit(int weightedSum)
{
  const int remainder = weightedSum % 11;
  return remainder < 2 ? 0 : 11 - remainder;
}

int WeightedSum(const QString& characters, std::span<const int> weights)
{
  int sum = 0;
  for (std::size_t i = 0; i < weights.size(); ++i)
    sum += DigitValue(characters.at(static_cast<qsizetype>(i))) * weights[i];
  return sum;
}

}  // namespace quitanza::doclib
