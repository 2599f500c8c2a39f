#include "app/TextFunctions.h"

#include "doclib/Formatting.h"

namespace quitanza::app {

using namespace doclib;

double StringToFloat(const QString& s)
{
  return ParseValue(s);
}

QString RemoverCaracters(const QString& texto)
{
  return OnlyDigits(texto);
}

QString FormatarCpfCnpj(const QString& cpfCnpj)
{
  return FormatCpfCnpj(cpfCnpj);
}

QString QuotedStr(const QString& texto)
{
  QString quoted = texto;
  quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace quitanza::app
