#include "app/cli/KindArgument.h"

#include "doclib/Validar.h"

namespace quitanza::app {

using namespace doclib;

QCommandLineOption StateOption()
{
  return QCommandLineOption(QStringLiteral("uf"), QStringLiteral("Estado da inscrição estadual (só com o TIPO ie)."),
                            QStringLiteral("UF"));
}

QString StateFor(const QString& kind, const CommandInvocation& invocation)
{
  const bool given = invocation.Parser.isSet(QStringLiteral("uf"));
  const QString uf = invocation.Parser.value(QStringLiteral("uf")).toUpper();
  if (kind == u"ie" && !given)
    throw UsageError(QStringLiteral("O TIPO ie precisa de --uf."));
  if (kind != u"ie" && given)
    throw UsageError(QStringLiteral("--uf só se aplica ao TIPO ie."));
  if (given && (uf.size() != 2 || !IsValidUF(uf)))
    throw UsageError(QStringLiteral("UF desconhecida: %1").arg(uf));
  return uf;
}

}  // namespace quitanza::app
