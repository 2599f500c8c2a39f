#include "app/TextFunctions.h"

#include "doclib/MVClasses.h"

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
