#include "app/EntryFields.h"
#include "app/cli/Command.h"
#include "app/cli/KindArgument.h"

#include <memory>

namespace quitanza::app {

using namespace doclib;

namespace {

const std::map<QString, EditSettings>& Fields()
{
  static const std::map<QString, EditSettings> table{
    {QStringLiteral("cpfcnpj"), EditField(Check::CpfCnpj, Caracters::Numeric)},
    {QStringLiteral("cep"), EditField(Check::Cep, Caracters::Numeric)},
    {QStringLiteral("pis"), EditField(Check::PIS, Caracters::Numeric)},
    {QStringLiteral("telefone"), EditField(Check::Telefone, Caracters::Numeric)},
    {QStringLiteral("titulo"), EditField(Check::Titulo, Caracters::Numeric)},
    {QStringLiteral("data"), EditField(Check::Date, Caracters::Numeric)},
    {QStringLiteral("uf"), EditField(Check::UF, Caracters::Alfanumeric)},
    {QStringLiteral("email"), EditField(Check::Email, Caracters::Alfanumeric)},
    {QStringLiteral("url"), EditField(Check::URL, Caracters::Alfanumeric)},
    {QStringLiteral("ie"), EditField(Check::IE, Caracters::IE)},
    {QStringLiteral("valor"), EditField(Check::None, Caracters::Real)},
  };
  return table;
}

// quitanza validar TIPO VALOR [--uf UF]: what the validated edit field does
// when the operator leaves it holding VALOR (empty where the field may be).
class ValidarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("validar"); }
  QString Summary() const override
  {
    return QStringLiteral("Verifica um documento ou valor como o programa o verifica ao digitá-lo e escreve-o como o "
                          "programa o mostra.");
  }

  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("TIPO"),
             QStringLiteral("cpfcnpj, cep, pis, telefone, titulo, data, uf, email, url, ie ou valor")},
            {QStringLiteral("VALOR"), QStringLiteral("o texto a verificar")}};
  }

  QList<QCommandLineOption> Options() const override { return {StateOption()}; }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::None; }

  void Run(const CommandInvocation& invocation) const override
  {
    const QString& kind = invocation.Arguments.at(0);
    EditSettings settings = LookUpKind(kind, Fields());
    settings.UF = StateFor(kind, invocation);
    invocation.Out << TextAsLeft(settings, invocation.Arguments.at(1)) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateValidarCommand()
{
  return std::make_unique<ValidarCommand>();
}

}  // namespace quitanza::app
