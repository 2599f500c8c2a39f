#include "app/cli/Command.h"
#include "app/cli/KindArgument.h"
#include "doclib/MVEditRules.h"

#include <memory>

namespace {

MVEditSettings field(TCheck check, TCaracters caracter)
{
  MVEditSettings settings;
  settings.Check = check;
  settings.Caracter = caracter;
  return settings;
}

const std::map<QString, MVEditSettings>& fields()
{
  static const std::map<QString, MVEditSettings> table{
    {QStringLiteral("cpfcnpj"), field(ckCpfCnpj, tcNumeric)},
    {QStringLiteral("cep"), field(ckCep, tcNumeric)},
    {QStringLiteral("pis"), field(ckPIS, tcNumeric)},
    {QStringLiteral("telefone"), field(ckTelefone, tcNumeric)},
    {QStringLiteral("titulo"), field(ckTitulo, tcNumeric)},
    {QStringLiteral("data"), field(ckDate, tcNumeric)},
    {QStringLiteral("uf"), field(ckUF, tcAlfanumeric)},
    {QStringLiteral("email"), field(ckEmail, tcAlfanumeric)},
    {QStringLiteral("url"), field(ckURL, tcAlfanumeric)},
    {QStringLiteral("ie"), field(ckIE, tcIE)},
    {QStringLiteral("valor"), field(ckNone, tcReal)},
  };
  return table;
}

// quitanza validar TIPO VALOR [--uf UF]: what the validated edit field does
// when the operator leaves it holding VALOR (an empty field allowed).
class ValidarCommand final : public Command {
public:
  QString name() const override { return QStringLiteral("validar"); }
  QString summary() const override
  {
    return QStringLiteral("Verifica um documento ou valor como o campo da janela e escreve como o campo o mostra.");
  }

  QList<PositionalArgument> positionalArguments() const override
  {
    return {{QStringLiteral("TIPO"),
             QStringLiteral("cpfcnpj, cep, pis, telefone, titulo, data, uf, email, url, ie ou valor")},
            {QStringLiteral("VALOR"), QStringLiteral("o texto digitado no campo")}};
  }

  QList<QCommandLineOption> options() const override { return {StateOption()}; }

  void run(const CommandInvocation& invocation) const override
  {
    const QString& kind = invocation.arguments.at(0);
    MVEditSettings settings = LookUpKind(kind, fields());
    settings.UF = StateFor(kind, invocation);
    // The field converts letters as they are typed.
    const QString typed = ApplyCharCase(settings.Check, invocation.arguments.at(1));
    invocation.out << TextOnFocusLost(typed, settings) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateValidarCommand()
{
  return std::make_unique<ValidarCommand>();
}
