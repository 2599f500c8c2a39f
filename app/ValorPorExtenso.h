#pragma once

#include "doclib/Amount.h"

#include <QString>

namespace quitanza::app {

// The amount in words as receipts print it, in reais and centavos:
// "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos".
QString ValorPorExtenso(doclib::Amount valor);

}  // namespace quitanza::app
