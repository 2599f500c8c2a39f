#pragma once

#include "report/expressions/Format.h"

#include <QString>
#include <QVariant>

namespace quitanza::report {

// The text of a memo value under a display format:
//   Null                      empty text
//   Text                    the value's default text form (see FormatText::DefaultText)
//   Numeric                 FormatStr containing '#' or starting with '0': numeric pattern
//                             (FormatDataFloatPattern.h); else containing 'd' or 'u': printf-style
//                             with the value as an integer; else printf-style with it as a float.
//                             One-character DecimalSeparator / ThousandSeparator then replace
//                             the Brazilian ones.
//   DateTime                date-time pattern (FormatDataDateTime.h)
//   Boolean                 FormatStr "yes text,no text"
// A value that does not convert to what the format needs shows its default text form,
// so a text that is not a date stays unchanged under a date format.
QString FormatData(const QVariant& value, const Format& format);

}  // namespace quitanza::report
