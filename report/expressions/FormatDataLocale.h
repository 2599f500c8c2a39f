#pragma once

#include <QChar>
#include <QString>

namespace quitanza::report {

// The Brazilian conventions every value is displayed with, whatever the machine's locale.
namespace BrazilianLocale {

inline constexpr QChar DecimalSeparator = u',';
inline constexpr QChar ThousandSeparator = u'.';
inline constexpr QChar DateSeparator = u'/';
inline constexpr QChar TimeSeparator = u':';

// Patterns in the date-time pattern language of FormatDataDateTime.h.
inline QString ShortDateFormat() { return QStringLiteral("dd/mm/yyyy"); }
inline QString LongDateFormat() { return QStringLiteral("dddd, d \"de\" mmmm \"de\" yyyy"); }
inline QString ShortTimeFormat() { return QStringLiteral("hh:nn"); }
inline QString LongTimeFormat() { return QStringLiteral("hh:nn:ss"); }
inline QString TimeAMString() { return QStringLiteral("AM"); }
inline QString TimePMString() { return QStringLiteral("PM"); }

inline QString CurrencyString() { return QStringLiteral("R$"); }
inline constexpr int CurrencyDecimals = 2;

}  // namespace BrazilianLocale

}  // namespace quitanza::report
