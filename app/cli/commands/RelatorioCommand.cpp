#include "app/TextFunctions.h"
#include "app/cli/Command.h"
#include "app/cli/MissingVariable.h"
#include "app/cli/PrintPreview.h"
#include "app/cli/ProtectedFiles.h"
#include "app/cli/ReportOutputs.h"
#include "app/cli/UsageError.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/output/ExportPDF.h"
#include "report/preview/ShowReport.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <memory>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

const QString VariableOption = QStringLiteral("var");
const QString PreparedOption = QStringLiteral("preparado");
const QString PreviewOption = QStringLiteral("visualizar");
const std::array<QString, 2> DrawingOutputs = {QStringLiteral("--png"), QStringLiteral("--pdf")};

// Sets each --var NOME=TEXTO as the application does: the text as a quoted literal.
void SetVariables(Report& report, const QStringList& assignments)
{
  for (const QString& assignment : assignments) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0)
      throw UsageError(QStringLiteral("--var espera NOME=TEXTO: %1").arg(assignment));
    report.Variables.SetValue(assignment.left(equals), QuotedStr(assignment.mid(equals + 1)));
  }
}

// Preparation would stop at the first expression naming it, with a message
// that does not say which variable.
void RequireEveryVariable(const Report& report)
{
  const QString missing = MissingVariable(report);
  if (!missing.isEmpty())
    throw UsageError(QStringLiteral(u"O modelo não pode ser preparado: a variável %1 não foi informada (--var %1=TEXTO).")
                         .arg(missing));
}

// quitanza relatorio MODELO.fr3 [--var NOME=TEXTO]... --fp3 ARQ, or
// quitanza relatorio --preparado ARQ.fp3 with an output: prepares a template
// (or loads prepared pages) and writes every output asked for; with
// --visualizar it then shows the pages in the preview window.
class RelatorioCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("relatorio"); }
  QString Summary() const override
  {
    return QStringLiteral("Prepara um modelo de relatório (.fr3) ou abre um relatório preparado (.fp3) e o grava.");
  }
  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("MODELO"), QStringLiteral("modelo de relatório (Recibo.fr3); dispensado com --preparado"),
             false}};
  }

  // Glyphs are drawn through the window system's font engine: PNG pages
  // need it, and so may a PDF (pictures, tagged memos and hatched objects
  // become images the objects draw of themselves), which only preparation
  // shows. Writing .fp3 files alone needs none.
  bool NeedsGui(const QStringList& arguments) const override
  {
    if (arguments.contains(QStringLiteral("--") + PreviewOption))
      return true;
    return std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
      return std::any_of(DrawingOutputs.begin(), DrawingOutputs.end(), [&a](const QString& option) {
        return a == option || a.startsWith(option + QLatin1Char('='));
      });
    }) || PrintRequested(arguments);
  }

  QList<QCommandLineOption> Options() const override
  {
    QList<QCommandLineOption> options = {
        QCommandLineOption(VariableOption, QStringLiteral("Dá à variável NOME o texto TEXTO (repetível)."),
                           QStringLiteral("NOME=TEXTO")),
        QCommandLineOption(PreparedOption, QStringLiteral("Abre esse relatório preparado em vez de preparar um modelo."),
                           QStringLiteral("ARQ.fp3")),
        QCommandLineOption(PreviewOption, QStringLiteral("Mostra o relatório na janela de visualização."))};
    for (const ReportOutput& output : ReportOutputs())
      options << output.option << output.settings;
    // --paginas is the PDF export's too: one selection for both.
    return options << PrintOptionsWithoutPages();
  }

  // The data folder only names the files an output must not replace.
  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::None; }

  void Run(const CommandInvocation& invocation) const override
  {
    const QCommandLineParser& parser = invocation.Parser;
    const bool prepared = parser.isSet(PreparedOption);
    if (prepared == !invocation.Arguments.isEmpty())
      throw UsageError(QStringLiteral("Informe o MODELO ou --preparado, um dos dois."));
    QList<const ReportOutput*> requested;
    for (const ReportOutput& output : ReportOutputs()) {
      if (parser.isSet(output.option.names().constFirst()))
        requested << &output;
    }
    const std::optional<PrintRequest> print = PrintRequestFrom(parser);
    const bool preview = parser.isSet(PreviewOption);
    if (requested.isEmpty() && !print && !preview)
      throw UsageError(QStringLiteral(
          "Informe ao menos uma saída (--fp3 ARQ, --pdf ARQ, --png PREFIXO, --imprimir) ou --visualizar."));
    // Without a screen the window would wait for an operator who cannot see it.
    if (preview && QGuiApplication::platformName() == QLatin1String("offscreen"))
      throw UsageError(QStringLiteral("--visualizar precisa de uma tela: nenhuma foi encontrada (DISPLAY)."));

    // Nor may an output replace the file it was made from.
    ProtectedFiles protectedFiles(invocation.DataDirectory);
    protectedFiles.Add(prepared ? parser.value(PreparedOption) : invocation.Arguments.constFirst());
    for (const ReportOutput* output : requested)
      protectedFiles.RefuseAsOutput(parser.value(output->option.names().constFirst()));

    auto report = std::make_unique<quitanza::report::Report>();
    // Errors reach the command line as one message and exit status 3.
    report->EngineOptions.NewSilentMode = SilentMode::ReThrow;
    if (prepared) {
      report->PreviewPages().LoadFromFile(parser.value(PreparedOption), true);
    } else {
      report->LoadFromFile(invocation.Arguments.constFirst(), true);
      SetVariables(*report, parser.values(VariableOption));
      RequireEveryVariable(*report);
      report->PrepareReport(true);
    }
    for (const ReportOutput* output : requested)
      output->write(*report, parser.value(output->option.names().constFirst()), parser, protectedFiles);
    if (print)
      Print(*report, *print);
    invocation.Out << QStringLiteral("%1 página(s).\n").arg(report->PreviewPages().Count());
    if (preview)
      Show(*report, prepared);
  }

private:
  // The preview with an export filter, so that its Export menu and PDF
  // button save the pages. A template is prepared again while the window
  // shows it, as the author sees it in the program; its errors were already
  // reported by the first preparation, so they now go to standard error.
  static void Show(quitanza::report::Report& report, bool prepared)
  {
    PDFExport pdf;
    if (prepared) {
      ShowPreparedReport(report);
      return;
    }
    report.EngineOptions.NewSilentMode = SilentMode::MessageBoxes;
    ShowReport(report);
  }
};

}  // namespace

std::unique_ptr<Command> CreateRelatorioCommand()
{
  return std::make_unique<RelatorioCommand>();
}

}  // namespace quitanza::app
