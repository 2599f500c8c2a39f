#include "doclib/Formatting.h"

#include "doclib/TextPieces.h"

#include <QHash>

namespace quitanza::doclib {

namespace {

// "*" stands for one character of the registration number.
QString maskOfState(const QString& uf)
{
  static const QHash<QString, QString> masks{
    {QStringLiteral("AC"), QStringLiteral("**.***.***/***-**")},
    {QStringLiteral("AL"), QStringLiteral("*********")},
    {QStringLiteral("AP"), QStringLiteral("*********")},
    {QStringLiteral("AM"), QStringLiteral("**.***.***-*")},
    {QStringLiteral("BA"), QStringLiteral("******-**")},
    {QStringLiteral("CE"), QStringLiteral("********-*")},
    {QStringLiteral("DF"), QStringLiteral("***********-**")},
    {QStringLiteral("ES"), QStringLiteral("*********")},
    {QStringLiteral("GO"), QStringLiteral("**.***.***-*")},
    {QStringLiteral("MA"), QStringLiteral("**.***.***-*")},
    {QStringLiteral("MT"), QStringLiteral("**********-*")},
    {QStringLiteral("MS"), QStringLiteral("*********")},
    {QStringLiteral("MG"), QStringLiteral("***.***.***/****")},
    {QStringLiteral("PA"), QStringLiteral("**-******-*")},
    {QStringLiteral("PB"), QStringLiteral("********-*")},
    {QStringLiteral("PR"), QStringLiteral("********-**")},
    {QStringLiteral("PE"), QStringLiteral("*******-**")},
    {QStringLiteral("PI"), QStringLiteral("*********")},
    {QStringLiteral("RJ"), QStringLiteral("**.***.**-*")},
    {QStringLiteral("RN"), QStringLiteral("**.***.***-*")},
    {QStringLiteral("RS"), QStringLiteral("***/*******")},
    {QStringLiteral("RO"), QStringLiteral("***.*****-*")},
    {QStringLiteral("RR"), QStringLiteral("********-*")},
    {QStringLiteral("SC"), QStringLiteral("***.***.***")},
    {QStringLiteral("SP"), QStringLiteral("***.***.***.***")},
    {QStringLiteral("SE"), QStringLiteral("*********-*")},
    {QStringLiteral("TO"), QStringLiteral("***********")},
  };
  return masks.value(uf);
}

}  // namespace

QString FormatIE(const QString& registration, const QString& uf)
{
  const QString trimmed = TrimBlanks(registration);
  if (trimmed.isEmpty() || trimmed == u"ISENTO")
    return registration;

  QString result;
  qsizetype cursor = 0;
  for (const QChar maskCharacter : maskOfState(uf)) {
    if (maskCharacter != u'*')
      result += maskCharacter;
    else if (cursor < registration.size())
      result += registration.at(cursor++);
  }
  // A number longer than its state's mask keeps its surplus after the mask.
  result += registration.mid(cursor);
  return TrimBlanks(result);
}

}  // namespace quitanza::doclib
