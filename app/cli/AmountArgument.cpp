#include "app/cli/AmountArgument.h"

#include "app/EntryFields.h"

QString AmountAsLeft(const QCommandLineParser& parser, const QString& option)
{
  const QString typed = parser.isSet(option) ? parser.value(option) : QStringLiteral("0,00");
  return TextAsLeft(AmountField(), typed);
}
