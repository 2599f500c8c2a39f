#pragma once

#include "report/expressions/FormatDataConversion.h"

#include <QString>

namespace quitanza::report {

// Formats a moment with the classic date-time pattern language, Brazilian names:
//   d dd ddd dddd ddddd dddddd  day, its short and long weekday name, short and long date
//   m mm mmm mmmm               month number, short and long month name (m/mm after h: minutes)
//   yy yyyy                     year;  h hh  n nn  s ss  z zzz  hour, minute, second, millisecond
//   t tt c                      short time, long time, date and time (time omitted at midnight)
//   am/pm a/p ampm              12-hour clock markers;  / :  date and time separators
//   "text" 'text'               copied unchanged; any other character is copied as it is
// Letters are case-insensitive; only the am/pm markers keep the case they are written in.
QString FormatDateTimePattern(const QString& pattern, const DateTimeValue& moment);

}  // namespace quitanza::report
