#include "app/cli/ReportOutputs.h"

#include "app/cli/ProtectedFiles.h"
#include "app/cli/UsageError.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/output/PngExport.h"
#include "report/output/ExportPDFFile.h"

#include <stdexcept>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

ReportOutput PreparedReportFile()
{
  return {QCommandLineOption(QStringLiteral("fp3"), QStringLiteral("Grava o relatório preparado nesse arquivo (.fp3)."),
                             QStringLiteral("ARQ")),
          {},
          [](Report& report, const QString& target, const QCommandLineParser&, const ProtectedFiles&) {
            report.PreviewPages().SaveToFile(target);
          }};
}

const QCommandLineOption PageSelection(QStringLiteral("paginas"),
                                       QStringLiteral("Páginas a exportar ou imprimir (\"1,3,5-12\"; todas por padrão)."),
                                       QStringLiteral("SEL"));
const QCommandLineOption UserPassword(QStringLiteral("senha-usuario"),
                                      QStringLiteral("Protege o PDF: senha para abri-lo."), QStringLiteral("S"));
const QCommandLineOption OwnerPassword(QStringLiteral("senha-dono"),
                                       QStringLiteral("Protege o PDF: senha do dono (permissões)."), QStringLiteral("S"));
const QCommandLineOption Uncompressed(QStringLiteral("sem-compressao"),
                                      QStringLiteral("Grava o PDF sem compactar o conteúdo."));
const QCommandLineOption EmbeddedFonts(QStringLiteral("fontes-embutidas"),
                                       QStringLiteral("Embute as fontes no PDF."));

ReportOutput PdfFile()
{
  return {QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("Exporta as páginas preparadas para esse PDF."),
                             QStringLiteral("ARQ")),
          {PageSelection, UserPassword, OwnerPassword, Uncompressed, EmbeddedFonts},
          [](Report& report, const QString& target, const QCommandLineParser& parser, const ProtectedFiles&) {
            PDFFileSettings settings;
            settings.PageNumbers = parser.value(PageSelection);
            settings.UserPassword = parser.value(UserPassword);
            settings.OwnerPassword = parser.value(OwnerPassword);
            settings.Compressed = !parser.isSet(Uncompressed);
            settings.EmbeddedFonts = parser.isSet(EmbeddedFonts);
            try {
              ExportPDFFile(report.PreviewPages(), target, settings);
            } catch (const std::invalid_argument& badSelection) {
              throw UsageError(QString::fromStdString(badSelection.what()));
            }
          }};
}

const QCommandLineOption Resolution(QStringLiteral("dpi"),
                                    QStringLiteral("Resolução das imagens PNG, em pontos por polegada (96 por padrão)."),
                                    QStringLiteral("N"), QStringLiteral("96"));

ReportOutput PngPages()
{
  return {QCommandLineOption(QStringLiteral("png"),
                             QStringLiteral("Grava cada página como PREFIXO-1.png, PREFIXO-2.png, ..."),
                             QStringLiteral("PREFIXO")),
          {Resolution},
          [](Report& report, const QString& target, const QCommandLineParser& parser,
             const ProtectedFiles& protectedFiles) {
            bool isNumber = false;
            const int dpi = parser.value(Resolution).toInt(&isNumber);
            if (!isNumber || dpi < kPngMinDpi || dpi > kPngMaxDpi)
              throw UsageError(QStringLiteral("--dpi espera um número de %1 a %2: %3")
                                   .arg(kPngMinDpi)
                                   .arg(kPngMaxDpi)
                                   .arg(parser.value(Resolution)));
            for (int page = 1; page <= report.PreviewPages().Count(); ++page)
              protectedFiles.RefuseAsOutput(PngPageFileName(target, page));
            ExportPagesToPng(report.PreviewPages(), target, dpi);
          }};
}

}  // namespace

const QList<ReportOutput>& ReportOutputs()
{
  static const QList<ReportOutput> outputs = {PreparedReportFile(), PdfFile(), PngPages()};
  return outputs;
}

}  // namespace quitanza::app
