#include "app/cli/Command.h"
#include "app/cli/KindArgument.h"
#include "doclib/Formatting.h"

#include <functional>
#include <memory>

namespace quitanza::app {

using namespace doclib;

namespace {

using Mask = std::function<QString(const QString& text, const QString& uf)>;

const std::map<QString, Mask>& Masks()
{
  static const std::map<QString, Mask> table{
    {QStringLiteral("cpfcnpj"), [](const QString& text, const QString&) { return FormatCpfCnpj(text); }},
    {QStringLiteral("cep"), [](const QString& text, const QString&) { return FormatCep(text); }},
    {QStringLiteral("pis"), [](const QString& text, const QString&) { return FormatPis(text); }},
    {QStringLiteral("telefone"), [](const QString& text, const QString&) { return FormatTelefone(text); }},
    {QStringLiteral("titulo"), [](const QString& text, const QString&) { return FormatTitulo(text); }},
    {QStringLiteral("data"), [](const QString& text, const QString&) { return FormatDate(text); }},
    {QStringLiteral("ie"), [](const QString& text, const QString& uf) { return FormatIE(text, uf); }},
  };
  return table;
}

// quitanza formatar TIPO VALOR [--uf UF]
class FormatarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("formatar"); }
  QString Summary() const override
  {
    return QStringLiteral("Escreve um documento com a sua pontuação, sem verificá-lo.");
  }

  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("TIPO"), QStringLiteral("cpfcnpj, cep, pis, telefone, titulo, data ou ie")},
            {QStringLiteral("VALOR"), QStringLiteral("o texto a formatar")}};
  }

  QList<QCommandLineOption> Options() const override { return {StateOption()}; }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::None; }

  void Run(const CommandInvocation& invocation) const override
  {
    const QString& kind = invocation.Arguments.at(0);
    const Mask& mask = LookUpKind(kind, Masks());
    invocation.Out << mask(invocation.Arguments.at(1), StateFor(kind, invocation)) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateFormatarCommand()
{
  return std::make_unique<FormatarCommand>();
}

}  // namespace quitanza::app
