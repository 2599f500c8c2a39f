#include "app/cli/AmountArgument.h"

#include "app/EntryFields.h"
#include "doclib/InvalidInputError.h"

#include <QRegularExpression>

namespace quitanza::app {

using namespace doclib;

namespace {

// What the amount field keeps as typed: digits, thousands points in their
// places, a decimal comma with at most the field's two decimals. The field's
// key filter drops anything else without a word ("10.5" becomes 105,00),
// which the operator sees in a window but not on a command line.
bool IsAmountText(const QString& typed)
{
  static const QRegularExpression amount(QStringLiteral(R"(^-?(\d{1,3}(\.\d{3})+|\d*)(,\d{0,2})?$)"));
  return !typed.isEmpty() && typed != u"-" && amount.match(typed).hasMatch();
}

}  // namespace

QString AmountAsLeft(const QCommandLineParser& parser, const QString& option)
{
  return AmountAsLeft(parser.isSet(option) ? parser.value(option) : QStringLiteral("0,00"));
}

QString AmountAsLeft(const QString& typed)
{
  if (!IsAmountText(typed))
    throw InvalidInputError(
      QStringLiteral(u"\"%1\" não é um valor: escreva-o como 1.500,00 ou 1500,00 (vírgula antes dos centavos).")
        .arg(typed));
  return TextAsLeft(AmountField(), typed);
}

}  // namespace quitanza::app
