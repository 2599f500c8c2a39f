#pragma once

#include "app/cli/Command.h"
#include "app/cli/UsageError.h"

#include <QStringList>

#include <map>

namespace quitanza::app {

// The entry of a TIPO argument in a command's table of kinds; an unknown kind
// is a usage error that lists the known ones.
template <typename Entry>
const Entry& LookUpKind(const QString& kind, const std::map<QString, Entry>& kinds)
{
  const auto found = kinds.find(kind);
  if (found != kinds.end())
    return found->second;
  QStringList known;
  for (const auto& [name, entry] : kinds)
    known << name;
  throw UsageError(QStringLiteral("TIPO desconhecido: %1 (tipos: %2)").arg(kind, known.join(QStringLiteral(", "))));
}

// --uf UF, the state of a state registration.
QCommandLineOption StateOption();

// The state given with --uf, in capitals. Kind `ie` needs one and no other
// kind takes one; an unknown state code is a usage error.
QString StateFor(const QString& kind, const CommandInvocation& invocation);

}  // namespace quitanza::app
