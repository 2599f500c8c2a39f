#include "app/cli/PrintPreview.h"

#include "app/cli/UsageError.h"
#include "report/output/ParsePageNumbers.h"
#include "report/print/PrintError.h"
#include "report/print/Printers.h"

#include <algorithm>
#include <stdexcept>

namespace quitanza::app {

using namespace report;

namespace {

constexpr int kMaxCopies = 999;

const QCommandLineOption PrinterOption(QStringLiteral("impressora"),
                                       QStringLiteral("Imprime nessa impressora (a padrão do sistema se omitida)."),
                                       QStringLiteral("NOME"));
const QCommandLineOption CopiesOption(QStringLiteral("copias"), QStringLiteral("Número de cópias impressas (1 por padrão)."),
                                      QStringLiteral("N"), QStringLiteral("1"));
const QCommandLineOption PagesOption(QStringLiteral("paginas"),
                                     QStringLiteral("Páginas a imprimir (\"1,3,5-12\"; todas por padrão)."),
                                     QStringLiteral("SEL"));

int CopiesFrom(const QString& text)
{
  bool isNumber = false;
  const int copies = text.toInt(&isNumber);
  if (!isNumber || copies < 1 || copies > kMaxCopies)
    throw UsageError(QStringLiteral("--copias espera um número de 1 a %1: %2").arg(kMaxCopies).arg(text));
  return copies;
}

}  // namespace

const QCommandLineOption& PrintOption()
{
  static const QCommandLineOption option(QStringLiteral("imprimir"),
                                         QStringLiteral("Imprime sem diálogo, na impressora padrão ou em --impressora."));
  return option;
}

QList<QCommandLineOption> PrintOptionsWithoutPages()
{
  return {PrintOption(), PrinterOption, CopiesOption};
}

QList<QCommandLineOption> PrintCommandOptions()
{
  return PrintOptionsWithoutPages() << PagesOption;
}

bool PrintRequested(const QStringList& arguments)
{
  return arguments.contains(QStringLiteral("--imprimir"));
}

std::optional<PrintRequest> PrintRequestFrom(const QCommandLineParser& parser)
{
  if (!parser.isSet(PrintOption())) {
    for (const QCommandLineOption& option : {PrinterOption, CopiesOption})
      if (parser.isSet(option))
        throw UsageError(QStringLiteral("--%1 vale para a impressão: informe também --imprimir.")
                             .arg(option.names().constFirst()));
    return std::nullopt;
  }
  PrintRequest request;
  request.Printer = parser.value(PrinterOption);
  request.Copies = CopiesFrom(parser.value(CopiesOption));
  request.PageNumbers = parser.value(PagesOption);
  try {
    ParsePageNumbers(request.PageNumbers, 1);
  } catch (const std::invalid_argument& badSelection) {
    throw UsageError(QString::fromStdString(badSelection.what()));
  }
  Printers& printers = Printers::System();
  if (!printers.HasPhysicalPrinters())
    throw PrintError(QStringLiteral("Nenhuma impressora instalada no sistema."));
  if (!request.Printer.isEmpty() && printers.IndexOf(request.Printer) < 0)
    throw PrintError(QStringLiteral("A impressora \"%1\" não está instalada. \"quitanza impressoras\" lista as que há.")
                         .arg(request.Printer));
  return request;
}

}  // namespace quitanza::app
