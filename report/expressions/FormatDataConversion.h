#pragma once

#include "report/expressions/ExpressionError.h"

#include <QDate>
#include <QTime>
#include <QVariant>

namespace quitanza::report {

// A value that cannot be converted to the type a display format needs.
class FormatConversionError : public ExpressionError {
public:
  using ExpressionError::ExpressionError;
};

// A calendar moment without time zone, as report values carry it.
struct DateTimeValue {
  QDate Date;
  QTime Time;
};

// Conversions of report values for display formatting. Texts are read the
// Brazilian way (decimal comma, day/month/year); every failure throws
// FormatConversionError.
namespace FormatConversion {

bool IsNumber(const QVariant& value);
double ToFloat(const QVariant& value);
qint64 ToInteger(const QVariant& value);  // floats round half to even
bool ToBoolean(const QVariant& value);
// Numbers are day counts from 30 December 1899, the fraction being the time of day.
DateTimeValue ToDateTime(const QVariant& value);

}  // namespace FormatConversion

}  // namespace quitanza::report
