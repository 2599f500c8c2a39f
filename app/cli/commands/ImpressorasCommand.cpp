#include "app/cli/Command.h"
#include "report/print/Printers.h"

#include <memory>

namespace quitanza::app {

using namespace report;

namespace {

// quitanza impressoras: the printers the system knows, the default marked.
class ImpressorasCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("impressoras"); }
  QString Summary() const override
  {
    return QStringLiteral("Lista as impressoras instaladas; a padrão vem marcada com \"(padrão)\".");
  }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }
  // The system's print support is part of the window system's.
  bool NeedsGui(const QStringList&) const override { return true; }

  DataFolderUse DataUse(const QCommandLineParser&) const override { return DataFolderUse::None; }

  void Run(const CommandInvocation& invocation) const override
  {
    Printers& printers = Printers::System();
    if (!printers.HasPhysicalPrinters()) {
      invocation.Out << QStringLiteral("Nenhuma impressora instalada no sistema.\n");
      return;
    }
    const QStringList names = printers.Names();
    for (int i = 0; i < names.size(); ++i)
      invocation.Out << names.at(i) << (i == printers.PrinterIndex() ? QStringLiteral(" (padrão)") : QString())
                     << u'\n';
  }
};

}  // namespace

std::unique_ptr<Command> CreateImpressorasCommand()
{
  return std::make_unique<ImpressorasCommand>();
}

}  // namespace quitanza::app
