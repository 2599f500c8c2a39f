#include "app/AutenticarWorkflow.h"
#include "app/DataModule.h"
#include "app/EntryFields.h"
#include "app/cli/AmountArgument.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "doclib/Formatting.h"
#include "doclib/InvalidInputError.h"

#include <memory>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString NumberOption = QStringLiteral("numero");
const QString ClientOption = QStringLiteral("cliente");
const QString AmountOption = QStringLiteral("valor");

// edtCodigo takes digits only.
QString CheckedReceiptNumber(const QString& typed)
{
  if (OnlyDigits(typed) != typed)
    throw InvalidInputError(QStringLiteral("O número do recibo só tem algarismos: %1").arg(typed));
  return typed;
}

// quitanza autenticar --numero N --cliente NOME --valor VALOR: the
// authentication check window's Autenticar.
class AutenticarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("autenticar"); }
  QString Summary() const override
  {
    return QStringLiteral("Calcula a autenticação de um recibo a partir do número, do cliente e do valor impressos.");
  }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }

  QList<QCommandLineOption> Options() const override
  {
    return {
      QCommandLineOption(NumberOption, QStringLiteral("Número do recibo (42 ou 0000000042)."),
                         QStringLiteral("N")),
      QCommandLineOption(ClientOption, QStringLiteral("Cliente, como impresso."), QStringLiteral("NOME")),
      QCommandLineOption(AmountOption, QStringLiteral("Valor, como impresso (1.500,00)."), QStringLiteral("VALOR")),
    };
  }

  void Run(const CommandInvocation& invocation) const override
  {
    const AuthenticationEntry entry{
      CheckedReceiptNumber(invocation.Parser.value(NumberOption)),
      TextAsLeft(NameField(), invocation.Parser.value(ClientOption)),
      AmountAsLeft(invocation.Parser, AmountOption),
    };
    DataModule dm(invocation.DataDirectory, {}, DataAccess::Reading, ReportStart::Empty);
    CommandLineUserInterface ui(invocation.Out, invocation.Err, false);
    const std::optional<QString> code = AutenticarWorkflow(dm, ui).BitBtn1Click(entry);
    ui.ThrowIfStopped();
    invocation.Out << *code << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateAutenticarCommand()
{
  return std::make_unique<AutenticarCommand>();
}

}  // namespace quitanza::app
