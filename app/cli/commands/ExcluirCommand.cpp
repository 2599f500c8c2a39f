#include "app/ConsultaWorkflow.h"
#include "app/PrincipalWorkflow.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "app/uDm.h"
#include "doclib/InvalidInputError.h"

#include <memory>

namespace {

const QString ConfirmOption = QStringLiteral("sim");

std::int32_t ReceiptNumber(const QString& text)
{
  bool ok = false;
  const std::int32_t number = text.toInt(&ok, 10);
  if (!ok)
    throw InvalidInputError(QStringLiteral("Número de recibo inválido: %1").arg(text));
  return number;
}

// quitanza excluir NUMERO [--sim]: selecting the receipt in the lookup
// window, Excluir, then closing the program, which saves the register.
class ExcluirCommand final : public Command {
public:
  QString name() const override { return QStringLiteral("excluir"); }
  QString summary() const override
  {
    return QStringLiteral("Exclui do registro o primeiro recibo com esse número.");
  }
  QList<PositionalArgument> positionalArguments() const override
  {
    return {{QStringLiteral("NUMERO"), QStringLiteral("número do recibo (42)")}};
  }

  QList<QCommandLineOption> options() const override
  {
    return {QCommandLineOption(ConfirmOption, QStringLiteral("Responde Sim a \"Deseja realmente excluir?\"."))};
  }

  void run(const CommandInvocation& invocation) const override
  {
    const std::int32_t number = ReceiptNumber(invocation.arguments.at(0));
    TDm dm(invocation.dataDirectory);
    dm.LoadRegisterIfPresent();
    if (!dm.LocateCodigo(number))
      throw InvalidInputError(QStringLiteral("O recibo %1 não está no registro.").arg(number));

    TCommandLineUserInterface ui(invocation.out, invocation.parser.isSet(ConfirmOption));
    if (TConsultaWorkflow(dm, ui).BitBtn2Click())
      TPrincipalWorkflow(dm, ui).FormClose();
    ui.ThrowIfStopped();
    invocation.out << QStringLiteral("Recibo %1 excluído.\n").arg(number);
  }
};

}  // namespace

std::unique_ptr<Command> CreateExcluirCommand()
{
  return std::make_unique<ExcluirCommand>();
}
