#include "app/ValorPorExtenso.h"
#include "app/cli/Command.h"
#include "doclib/Amount.h"

#include <memory>

namespace quitanza::app {

using namespace doclib;

namespace {

// quitanza extenso VALOR
class ExtensoCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("extenso"); }
  QString Summary() const override { return QStringLiteral("Escreve um valor por extenso, em reais, como no recibo."); }

  QList<PositionalArgument> PositionalArguments() const override
  {
    return {{QStringLiteral("VALOR"), QStringLiteral("valor com vírgula decimal, por exemplo 1.234,56 ou -5,00")}};
  }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::None; }

  void Run(const CommandInvocation& invocation) const override
  {
    invocation.Out << ValorPorExtenso(Amount::FromBrazilianText(invocation.Arguments.at(0))) << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateExtensoCommand()
{
  return std::make_unique<ExtensoCommand>();
}

}  // namespace quitanza::app
