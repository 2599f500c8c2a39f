#include "app/cli/ReportOutputs.h"

#include "report/model/frxPreviewPages.h"
#include "report/model/frxReport.h"

namespace {

ReportOutput PreparedReportFile()
{
  return {QCommandLineOption(QStringLiteral("fp3"), QStringLiteral("Grava o relatório preparado nesse arquivo (.fp3)."),
                             QStringLiteral("ARQ")),
          {},
          [](TfrxReport& report, const QString& target, const QCommandLineParser&) {
            report.PreviewPages().SaveToFile(target);
          }};
}

}  // namespace

const QList<ReportOutput>& ReportOutputs()
{
  static const QList<ReportOutput> outputs = {PreparedReportFile()};
  return outputs;
}
