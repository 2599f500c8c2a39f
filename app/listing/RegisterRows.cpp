#include "app/listing/RegisterRows.h"

namespace quitanza::app {

QString ReceiptTypeName(std::int32_t tipo)
{
  switch (tipo) {
  case 0: return QStringLiteral("Recebimento");
  case 1: return QStringLiteral("Pagamento");
  }
  return QString::number(tipo);
}

}  // namespace quitanza::app
