#include "doclib/Validar.h"

#include "doclib/CheckDigits.h"
#include "doclib/Formatting.h"
#include "doclib/TextPieces.h"

#include <array>

namespace quitanza::doclib {

namespace {

// 29 two-letter codes; a code is valid where it starts at an even index.
constexpr QStringView stateCodes = u"SPMGRJRSSCPRESDFMTMSGOTOBASEALPBPEMARNCEPIPAAMAPFNACRRROEX";

// Voter title check digit: a remainder of 0 or 1 gives 0, except that the
// titles of state codes 01 and 02 take 1 for a remainder of 0.
int tituloCheckDigit(int weightedSum, QStringView stateCode)
{
  const int remainder = weightedSum % 11;
  if (remainder > 1)
    return 11 - remainder;
  return remainder == 0 && (stateCode == u"01" || stateCode == u"02") ? 1 : 0;
}

}  // namespace

bool IsValidCep(const QString& text)
{
  const qsizetype digits = OnlyDigits(text).size();
  return digits == 0 || digits == 8;
}

bool IsValidPis(const QString& text)
{
  static constexpr std::array weights{3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  const QString digits = OnlyDigits(text);
  if (digits.isEmpty())
    return true;
  if (digits.size() < 11)
    return false;
  return Modulus11CheckDigit(WeightedSum(digits, weights)) == DigitValue(digits.at(10));
}

bool IsValidTitulo(const QString& text)
{
  static constexpr std::array sequenceWeights{2, 9, 8, 7, 6, 5, 4, 3, 2};
  static constexpr std::array stateWeights{4, 3};
  if (OnlyDigits(text).isEmpty())
    return true;
  const QString title = WidenTitulo(text);
  if (title.size() > 13)
    return false;
  const QStringView stateCode = QStringView(title).mid(9, 2);
  const int first = tituloCheckDigit(WeightedSum(title, sequenceWeights), stateCode);
  const int second = tituloCheckDigit(WeightedSum(title.mid(9), stateWeights) + 2 * first, stateCode);
  return DigitValue(title.at(11)) == first && DigitValue(title.at(12)) == second;
}

bool IsValidUF(const QString& text)
{
  if (text.isEmpty())
    return true;
  // Longer texts would match across neighbouring codes ("SPM").
  if (text.size() > 2)
    return false;
  const qsizetype index = stateCodes.indexOf(text.toUpper());
  return index >= 0 && index % 2 == 0;
}

bool IsValidTelefone(const QString& text)
{
  // 11 digits: an area code and a mobile number of nine digits.
  const qsizetype digits = OnlyDigits(text).size();
  return digits <= 2 || (digits >= 9 && digits <= 11);
}

bool IsValidIE(const QString&, const QString&)
{
  return true;
}

}  // namespace quitanza::doclib
