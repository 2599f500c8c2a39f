#pragma once

#include "doclib/Amount.h"

#include <QString>

// The amount in words as receipts print it, in reais and centavos:
// "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos".
QString ValorPorExtenso(quitanza::doclib::Amount valor);
