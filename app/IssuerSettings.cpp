#include "app/IssuerSettings.h"

QStringList IssuerKeyNames()
{
  QStringList names;
  for (const TIssuerKey& key : IssuerKeys)
    names << key.Name.toString();
  return names;
}
