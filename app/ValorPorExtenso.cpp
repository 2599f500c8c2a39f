#include "app/ValorPorExtenso.h"

#include "doclib/Extenso.h"

namespace quitanza::app {

using namespace doclib;

QString ValorPorExtenso(Amount valor)
{
  return Extenso(valor, QStringLiteral("Real"), QStringLiteral("Reais"), QStringLiteral("Centavo"),
                 QStringLiteral("Centavos"));
}

}  // namespace quitanza::app
