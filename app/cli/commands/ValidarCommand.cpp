#include "app/EntryFields.h"
#include "app/cli/Command.h"
#include "app/cli/KindArgument.h"

#include <memory>

namespace {

const std::map<QString, MVEditSettings>& fields()
{
  static const std::map<QString, MVEditSettings> table{
    {QStringLiteral("cpfcnpj"), EditField(ckCpfCnpj, tcNumeric)},
    {QStringLiteral("cep"), EditField(ckCep, tcNumeric)},
    {QStringLiteral("pis"), EditField(ckPIS, tcNumeric)},
    {QStringLiteral("telefone"), EditField(ckTelefone, tcNumeric)},
    {QStringLiteral("titulo"), EditField(ckTitulo, tcNumeric)},
    {QStringLiteral("data"), EditField(ckDate, tcNumeric)},
    {QStringLiteral("uf"), EditField(ckUF, tcAlfanumeric)},
    {QStringLiteral("email"), EditField(ckEmail, tcAlfanumeric)},
    {QStringLiteral("url"), EditField(ckURL, tcAlfanumeric)},
    {QStringLiteral("ie"), EditField(ckIE, tcIE)},
    {QStringLiteral("valor"), EditField(ckNone, tcReal)},
  };
  return table;
}

// quitanza validar TIPO VALOR [--uf UF]: what the validated edit field does
// when the operator leaves it holding VALOR (empty where the field may be).
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
    invocation.out << TextAsLeft(settings, invocation.arguments.at(1)) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateValidarCommand()
{
  return std::make_unique<ValidarCommand>();
}
