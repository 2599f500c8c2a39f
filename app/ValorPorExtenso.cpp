#include "app/ValorPorExtenso.h"

#include "doclib/mvExtenso.h"

QString ValorPorExtenso(Amount valor)
{
  return Extenso(valor, QStringLiteral("Real"), QStringLiteral("Reais"), QStringLiteral("Centavo"),
                 QStringLiteral("Centavos"));
}
