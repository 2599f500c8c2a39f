#include "app/ConsultaWorkflow.h"
#include "app/DataModule.h"
#include "app/PrincipalWorkflow.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "app/cli/ReceiptSelection.h"

#include <memory>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString ConfirmOption = QStringLiteral("sim");

// quitanza excluir NUMERO [--sim]: selecting the receipt in the lookup
// window, Excluir, then closing the program, which saves the register.
class ExcluirCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("excluir"); }
  QString Summary() const override
  {
    return QStringLiteral("Exclui do registro o primeiro recibo com esse número.");
  }
  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("NUMERO"), QStringLiteral("número do recibo (42)")}};
  }

  QList<QCommandLineOption> Options() const override
  {
    return {QCommandLineOption(ConfirmOption, QStringLiteral("Responde Sim a \"Deseja realmente excluir?\"."))};
  }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::Writes; }

  void Run(const CommandInvocation& invocation) const override
  {
    DataModule dm(invocation.DataDirectory, {}, DataAccess::Writing, ReportStart::Empty);
    SelectReceipt(dm, invocation.Arguments.at(0));
    const std::int32_t codigo = dm.cdsRegCodigo.AsInteger();

    CommandLineUserInterface ui(invocation.Out, invocation.Err, invocation.Parser.isSet(ConfirmOption));
    if (ConsultaWorkflow(dm, ui).BitBtn2Click())
      PrincipalWorkflow(dm, ui).FormClose();
    ui.ThrowIfStopped();
    invocation.Out << QStringLiteral("Recibo %1 excluído.\n").arg(codigo);
  }
};

}  // namespace

std::unique_ptr<Command> CreateExcluirCommand()
{
  return std::make_unique<ExcluirCommand>();
}

}  // namespace quitanza::app
