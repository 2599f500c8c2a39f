// Build step: writes Recibo.fr3 and Pagar.fr3 into the folder given as the
// only argument (the folder of the quitanza executable).
#include "app/receipt/ReceiptTemplates.h"
#include "report/format/Errors.h"

#include <QDir>

#include <cstdio>

using namespace quitanza::report;
using namespace quitanza::app;

int main(int argc, char* argv[])
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  try {
    for (ReceiptKind kind : {ReceiptKind::Recebimento, ReceiptKind::Pagamento})
      SaveReceiptTemplate(kind, folder.filePath(ReceiptTemplateFileName(kind)));
  } catch (const ReportError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
