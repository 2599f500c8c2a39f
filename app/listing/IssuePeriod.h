#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QDate>
#include <QString>

namespace quitanza::app {

// The days a listing keeps, both ends included; an end left open keeps
// everything on that side. Once either end is set, a receipt stored before
// dates were kept is left out: its day is not known.
struct IssuePeriod {
  QDate From;  // null: no first day
  QDate To;    // null: no last day

  bool Contains(const platform::ReceiptRecord& record) const;
};

// A day written dd/mm/aaaa (1/2/2026 too); throws InvalidInputError for a
// text that is not one.
QDate DayFromText(const QString& text);

}  // namespace quitanza::app
