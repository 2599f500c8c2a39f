#include "app/cli/ReceiptSelection.h"

#include "app/DataModule.h"
#include "doclib/InvalidInputError.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

void SelectReceipt(DataModule& dm, const QString& numero)
{
  bool ok = false;
  const std::int32_t codigo = numero.toInt(&ok, 10);
  if (!ok)
    throw InvalidInputError(QStringLiteral("Número de recibo inválido: %1").arg(numero));
  dm.LoadRegisterIfPresent();
  if (!dm.LocateCodigo(codigo))
    throw InvalidInputError(QStringLiteral("O recibo %1 não está no registro.").arg(codigo));
}

}  // namespace quitanza::app
