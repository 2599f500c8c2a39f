#include "app/IssuerSettings.h"

namespace quitanza::app {

QStringList IssuerKeyNames()
{
  QStringList names;
  for (const IssuerKey& key : IssuerKeys)
    names << key.Name.toString();
  return names;
}

}  // namespace quitanza::app
