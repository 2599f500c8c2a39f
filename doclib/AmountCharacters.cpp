#include "doclib/AmountCharacters.h"

#include "doclib/InvalidInputError.h"

#include <algorithm>

namespace quitanza::doclib {

QString AmountCharacters(const QString& text)
{
  QString kept;
  bool commaKept = false;
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    const QChar c = text.at(i);
    const bool digit = c >= u'0' && c <= u'9';
    const bool lastComma = c == u',' && !commaKept;
    const bool leadingSign = (c == u'+' || c == u'-') && i == 0;
    if (digit || lastComma || leadingSign) {
      kept.prepend(c);
      commaKept = commaKept || c == u',';
    }
  }
  return kept;
}

bool IsAmountNumber(const QString& amountCharacters)
{
  return std::any_of(amountCharacters.cbegin(), amountCharacters.cend(),
                     [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void ThrowNotANumber(const QString& amountCharacters)
{
  throw InvalidInputError(QStringLiteral("'%1' is not a valid floating point value").arg(amountCharacters));
}

}  // namespace quitanza::doclib
