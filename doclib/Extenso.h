#pragma once

#include "doclib/Amount.h"

#include <QString>

namespace quitanza::doclib {

// Portuguese words for a money amount, as printed on a receipt:
// 101,50 with "Real", "Reais", "Centavo", "Centavos" gives
// "Cento e Um Reais e Cinquenta Centavos". The currency names are inserted as
// given. Zero gives the empty text; a negative amount is written "Menos "
// followed by the words of its absolute value; beyond 999.999.999.999,99 the
// result is "Valor Muito Extenso".
QString Extenso(Amount amount, const QString& currencySingular, const QString& currencyPlural,
                const QString& centSingular, const QString& centPlural);

// Words for a whole number from 0 to 999 (0 gives the empty text); any other
// number gives the marker "<Erro Extenso1_999>".
QString Extenso1_999(int n);

// One entry of the word tables: 0 units, 1 ten to nineteen, 2 tens,
// 3 hundreds. Any other table gives the marker "<Erro ExtensoDigito>".
QString ExtensoDigito(int digit, int table);

}  // namespace quitanza::doclib
