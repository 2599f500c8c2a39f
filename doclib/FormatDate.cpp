#include "doclib/Formatting.h"

#include "doclib/InvalidInputError.h"
#include "doclib/TextPieces.h"

#include <QStringList>

namespace quitanza::doclib {

namespace {

// The typed digits written as day/month/year, the missing parts from today.
QString completedDate(const QString& digits, QDate today)
{
  const QString currentMonth = QString::number(today.month()).rightJustified(2, u'0');
  const QString currentYear = QString::number(today.year());
  switch (digits.size()) {
  case 8:
  case 6:
    return Piece(digits, 1, 2) + u'/' + Piece(digits, 3, 2) + u'/' + digits.mid(4);
  case 4:
    return Piece(digits, 1, 2) + u'/' + Piece(digits, 3, 2) + u'/' + currentYear;
  case 2:
    return digits + u'/' + currentMonth + u'/' + currentYear;
  default:
    return digits;
  }
}

// A year written with one or two digits falls in the hundred years that start
// fifty years before today's year.
int fullYear(const QString& yearText, QDate today)
{
  const int year = yearText.toInt();
  if (yearText.size() > 2)
    return year;
  const int windowStart = today.year() - 50;
  int candidate = windowStart / 100 * 100 + year;
  if (candidate < windowStart)
    candidate += 100;
  return candidate;
}

}  // namespace

QString FormatDate(const QString& text, QDate today)
{
  const QString digits = OnlyDigits(text);
  if (digits.isEmpty())
    return digits;
  const QString completed = completedDate(digits, today);
  const QStringList parts = completed.split(u'/');
  const QDate date = parts.size() == 3
                       ? QDate(fullYear(parts[2], today), parts[1].toInt(), parts[0].toInt())
                       : QDate();
  // QDate knows a year 0 and dates before it, which the calendar in use here does not.
  if (!date.isValid() || date.year() < 1)
    throw InvalidInputError(QStringLiteral("Data inválida: %1").arg(completed));
  return date.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace quitanza::doclib
