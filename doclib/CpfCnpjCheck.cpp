#include "doclib/Validar.h"

#include "doclib/CheckDigits.h"
#include "doclib/CpfCnpjCharacters.h"
#include "doclib/TextPieces.h"

#include <algorithm>
#include <array>

namespace quitanza::doclib {

namespace {

bool allDigits(QStringView text)
{
  return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// Both check digits over the body, the second weighing the first by 2.
bool hasCheckDigits(const QString& number, std::span<const int> firstWeights, std::span<const int> secondWeights)
{
  const qsizetype bodyLength = static_cast<qsizetype>(firstWeights.size());
  const int first = Modulus11CheckDigit(WeightedSum(number, firstWeights));
  const int second = Modulus11CheckDigit(WeightedSum(number, secondWeights) + first * 2);
  return DigitValue(number.at(bodyLength)) == first && DigitValue(number.at(bodyLength + 1)) == second;
}

// Numbers with correct check digits that were never issued.
bool isRefusedCpf(const QString& digits)
{
  const bool oneRepeatedDigit = digits.count(digits.at(0)) == digits.size();
  return oneRepeatedDigit || digits == u"12345678909";
}

bool isValidCpf(const QString& number)
{
  static constexpr std::array firstWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
  static constexpr std::array secondWeights{11, 10, 9, 8, 7, 6, 5, 4, 3};
  return allDigits(number) && !isRefusedCpf(number) && hasCheckDigits(number, firstWeights, secondWeights);
}

// Twelve characters 0-9/A-Z (counted as code minus 48) and two check digits.
bool isValidCnpj(const QString& number)
{
  static constexpr std::array firstWeights{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  static constexpr std::array secondWeights{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3};
  return allDigits(QStringView(number).right(2)) && number != u"00000000000000" &&
         hasCheckDigits(number, firstWeights, secondWeights);
}

}  // namespace

bool IsValidCpfCnpj(const QString& text)
{
  const QString number = CpfCnpjCharacters(text);
  if (number.size() == 11)
    return isValidCpf(number);
  if (number.size() == 14)
    return isValidCnpj(number);
  return false;
}

}  // namespace quitanza::doclib
