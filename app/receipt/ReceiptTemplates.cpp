#include "app/receipt/ReceiptTemplates.h"

#include "report/model/Report.h"

#include <QDate>

namespace quitanza::app {

using namespace platform;
using namespace report;

void SaveReceiptTemplate(ReceiptKind kind, const QString& fileName)
{
  Report report;
  BuildReceiptLayout(report, kind);
  // 2026-12-10 12:00, the day these templates were designed.
  const DateTime designed = QDate(1899, 12, 30).daysTo(QDate(2026, 12, 10)) + 0.5;
  report.ReportOptions.CreateDate = designed;
  report.ReportOptions.LastChange = designed;
  report.SaveToFile(fileName);
}

QString ReceiptTemplateFileName(ReceiptKind kind)
{
  return kind == ReceiptKind::Recebimento ? QStringLiteral("Recibo.fr3") : QStringLiteral("Pagar.fr3");
}

}  // namespace quitanza::app
