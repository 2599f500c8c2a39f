#include "app/cli/CommandTable.h"

namespace quitanza::app {

// Each command lives in its own file under commands/ and defines its factory.
std::unique_ptr<Command> CreateAutenticarCommand();
std::unique_ptr<Command> CreateConfigurarCommand();
std::unique_ptr<Command> CreateEmitirCommand();
std::unique_ptr<Command> CreateExcluirCommand();
std::unique_ptr<Command> CreateExtensoCommand();
std::unique_ptr<Command> CreateFormatarCommand();
std::unique_ptr<Command> CreateImpressorasCommand();
std::unique_ptr<Command> CreateListarCommand();
std::unique_ptr<Command> CreateLoteCommand();
std::unique_ptr<Command> CreateReimprimirCommand();
std::unique_ptr<Command> CreateRelatorioCommand();
std::unique_ptr<Command> CreateValidarCommand();

const std::vector<std::unique_ptr<Command>>& Commands()
{
  static const std::vector<std::unique_ptr<Command>> commands = [] {
    std::vector<std::unique_ptr<Command>> table;
    for (auto create : {CreateExtensoCommand, CreateFormatarCommand, CreateValidarCommand, CreateConfigurarCommand,
                        CreateEmitirCommand, CreateLoteCommand, CreateAutenticarCommand, CreateListarCommand, CreateExcluirCommand,
                        CreateReimprimirCommand, CreateRelatorioCommand, CreateImpressorasCommand})
      table.push_back(create());
    return table;
  }();
  return commands;
}

const Command* FindCommand(const QString& name)
{
  for (const auto& command : Commands())
    if (command->Name() == name)
      return command.get();
  return nullptr;
}

}  // namespace quitanza::app
