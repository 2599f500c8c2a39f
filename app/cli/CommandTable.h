#pragma once

#include "app/cli/Command.h"

#include <memory>
#include <vector>

namespace quitanza::app {

// Every subcommand, in the order `quitanza --help` lists them.
const std::vector<std::unique_ptr<Command>>& Commands();

// The command of that name, or null.
const Command* FindCommand(const QString& name);

}  // namespace quitanza::app
