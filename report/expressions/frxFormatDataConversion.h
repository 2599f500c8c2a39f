#pragma once

#include "report/expressions/frxExpressionError.h"

#include <QDate>
#include <QTime>
#include <QVariant>

// A value that cannot be converted to the type a display format needs.
class TfrxFormatConversionError : public TfrxExpressionError {
public:
  using TfrxExpressionError::TfrxExpressionError;
};

// A calendar moment without time zone, as report values carry it.
struct TfrxDateTimeValue {
  QDate Date;
  QTime Time;
};

// Conversions of report values for display formatting. Texts are read the
// Brazilian way (decimal comma, day/month/year); every failure throws
// TfrxFormatConversionError.
namespace FormatConversion {

bool IsNumber(const QVariant& value);
double ToFloat(const QVariant& value);
qint64 ToInteger(const QVariant& value);  // floats round half to even
bool ToBoolean(const QVariant& value);
// Numbers are day counts from 30 December 1899, the fraction being the time of day.
TfrxDateTimeValue ToDateTime(const QVariant& value);

}  // namespace FormatConversion
