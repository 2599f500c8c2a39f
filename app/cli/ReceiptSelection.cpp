#include "app/cli/ReceiptSelection.h"

#include "app/uDm.h"
#include "doclib/InvalidInputError.h"

using namespace quitanza::doclib;
using namespace quitanza::platform;

void SelectReceipt(TDm& dm, const QString& numero)
{
  bool ok = false;
  const std::int32_t codigo = numero.toInt(&ok, 10);
  if (!ok)
    throw InvalidInputError(QStringLiteral("Número de recibo inválido: %1").arg(numero));
  dm.LoadRegisterIfPresent();
  if (!dm.LocateCodigo(codigo))
    throw InvalidInputError(QStringLiteral("O recibo %1 não está no registro.").arg(codigo));
}
