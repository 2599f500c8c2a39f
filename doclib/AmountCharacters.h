#pragma once

#include <QString>

namespace quitanza::doclib {

// The characters of a typed amount that carry its value, in their order:
// every digit, the rightmost comma only, and a "+" or "-" only when it is the
// very first character. Everything else (thousands points, spaces, a currency
// prefix, earlier commas, signs elsewhere) is dropped: "R$ 1.234,56" gives
// "1234,56", "1,2,3" gives "12,3", "7-1" gives "71".
QString AmountCharacters(const QString& text);

// Whether AmountCharacters' result reads as a number: it needs a digit.
bool IsAmountNumber(const QString& amountCharacters);

// The conversion error for a text that holds no number, naming the kept text.
[[noreturn]] void ThrowNotANumber(const QString& amountCharacters);

}  // namespace quitanza::doclib
