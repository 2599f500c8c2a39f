#pragma once

#include <QString>

#include <span>

namespace quitanza::doclib {

// The modulus-11 check digit of a weighted sum: 11 minus the remainder, where
// 10 and 11 become 0.
int Modulus11CheckDigit(int weightedSum);

// The weighted sum of the first weights.size() characters of `characters`,
// each counting as its code minus 48 ("0" = 0 ... "9" = 9, "A" = 17 ... "Z" = 42).
int WeightedSum(const QString& characters, std::span<const int> weights);

// The numeric value of a check digit character.
inline int DigitValue(QChar digit) { return digit.unicode() - u'0'; }

}  // namespace quitanza::doclib
