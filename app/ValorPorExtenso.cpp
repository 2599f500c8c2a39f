#include "app/ValorPorExtenso.h"

#include "doclib/Extenso.h"

using namespace quitanza::doclib;

QString ValorPorExtenso(Amount valor)
{
  return Extenso(valor, QStringLiteral("Real"), QStringLiteral("Reais"), QStringLiteral("Centavo"),
                 QStringLiteral("Centavos"));
}
