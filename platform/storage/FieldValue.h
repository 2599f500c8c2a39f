#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QString>
#include <QStringView>

namespace quitanza::platform {

// The field of that name, letter case ignored; nullptr when there is none.
const FieldDef* FindField(QStringView name);

// A field's value as text: numbers in decimal, currency in the exact form of
// CurrencyToText, a date and time as 20261211T14:05:09123 (local time, to the
// millisecond), the empty text for a null one.
QString FieldText(const ReceiptRecord& record, const FieldDef& field);

// Sets a field from text of that form. Throws std::invalid_argument (or
// std::out_of_range) for a number field given text that is no such number.
void SetFieldText(ReceiptRecord& record, const FieldDef& field, const QString& text);

}  // namespace quitanza::platform
