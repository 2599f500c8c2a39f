#include "app/listing/IssuePeriod.h"

#include "doclib/InvalidInputError.h"

namespace quitanza::app {

using namespace doclib;

bool IssuePeriod::Contains(const platform::ReceiptRecord& record) const
{
  if (From.isNull() && To.isNull())
    return true;
  if (!record.Data.isValid())
    return false;
  const QDate day = record.Data.date();
  return (From.isNull() || day >= From) && (To.isNull() || day <= To);
}

QDate DayFromText(const QString& text)
{
  const QDate day = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
  if (!day.isValid())
    throw InvalidInputError(QStringLiteral("\"%1\" não é uma data: escreva-a como dd/mm/aaaa.").arg(text));
  return day;
}

}  // namespace quitanza::app
