#include "report/expressions/FormatDataConversion.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace quitanza::report {

namespace FormatConversion {
namespace {

const QDate SerialDateOrigin(1899, 12, 30);
constexpr double MillisecondsPerDay = 86400000.0;

QLocale BrazilianNumbers() {
  QLocale locale(QLocale::Portuguese, QLocale::Brazil);
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  return locale;
}

[[noreturn]] void Fail(const QVariant& value, const QString& target) {
  throw FormatConversionError(QStringLiteral("Could not convert '%1' to %2").arg(value.toString(), target));
}

double TextToFloat(const QVariant& value) {
  bool ok = false;
  const double result = BrazilianNumbers().toDouble(value.toString().trimmed(), &ok);
  if (!ok) Fail(value, QStringLiteral("a number"));
  return result;
}

int TwoDigitYearToFull(int year) {
  // Two-digit years fall within fifty years of today, as people mean them.
  const int currentYear = QDate::currentDate().year();
  int full = currentYear - currentYear % 100 + year;
  if (full > currentYear + 50) full -= 100;
  return full;
}

// Reads "d/m[/y] [h:n[:s]]" or "h:n[:s]".
DateTimeValue TextToDateTime(const QVariant& value) {
  static const QRegularExpression dateAndTime(QStringLiteral(
      R"(^\s*(?:(\d{1,2})/(\d{1,2})(?:/(\d{1,4}))?)?\s*(?:(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
  const QString text = value.toString();
  const QRegularExpressionMatch match = dateAndTime.match(text);
  const bool hasDate = match.hasMatch() && match.capturedLength(1) > 0;
  const bool hasTime = match.hasMatch() && match.capturedLength(4) > 0;
  if (!hasDate && !hasTime) Fail(value, QStringLiteral("a date"));

  DateTimeValue result{SerialDateOrigin, QTime(0, 0)};
  if (hasDate) {
    int year = QDate::currentDate().year();
    if (match.capturedLength(3) > 0) {
      year = match.captured(3).toInt();
      if (match.capturedLength(3) <= 2) year = TwoDigitYearToFull(year);
    }
    result.Date = QDate(year, match.captured(2).toInt(), match.captured(1).toInt());
  }
  if (hasTime) {
    result.Time = QTime(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
  }
  if (!result.Date.isValid() || !result.Time.isValid()) Fail(value, QStringLiteral("a date"));
  return result;
}

DateTimeValue SerialToDateTime(double serial) {
  if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) Fail(serial, QStringLiteral("a date"));
  double days = std::trunc(serial);
  auto milliseconds = std::llround(std::fabs(serial - days) * MillisecondsPerDay);
  if (milliseconds >= static_cast<long long>(MillisecondsPerDay)) {
    milliseconds = 0;
    days += serial < 0 ? -1 : 1;
  }
  return {SerialDateOrigin.addDays(static_cast<qint64>(days)),
          QTime::fromMSecsSinceStartOfDay(static_cast<int>(milliseconds))};
}

}  // namespace

bool IsNumber(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

double ToFloat(const QVariant& value) {
  if (IsNumber(value)) return value.toDouble();
  if (value.typeId() == QMetaType::QString) return TextToFloat(value);
  Fail(value, QStringLiteral("a number"));
}

qint64 ToInteger(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::UShort:
      return value.toLongLong();
    default:
      break;
  }
  if (value.typeId() == QMetaType::QString) {
    bool ok = false;
    const qint64 whole = BrazilianNumbers().toLongLong(value.toString().trimmed(), &ok);
    if (ok) return whole;
  }
  const double number = ToFloat(value);
  // Rounded in the current (to nearest, ties to even) rounding mode.
  const double rounded = std::nearbyint(number);
  if (!std::isfinite(rounded) || std::fabs(rounded) >= 9.2e18) Fail(value, QStringLiteral("an integer"));
  return static_cast<qint64>(rounded);
}

bool ToBoolean(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (IsNumber(value)) return value.toDouble() != 0;
  if (value.typeId() == QMetaType::QString) {
    const QString text = value.toString().trimmed();
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) return false;
    return TextToFloat(value) != 0;
  }
  Fail(value, QStringLiteral("a boolean"));
}

DateTimeValue ToDateTime(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QDateTime: {
      const QDateTime moment = value.toDateTime();
      return {moment.date(), moment.time()};
    }
    case QMetaType::QDate:
      return {value.toDate(), QTime(0, 0)};
    case QMetaType::QTime:
      return {SerialDateOrigin, value.toTime()};
    case QMetaType::QString:
      return TextToDateTime(value);
    default:
      break;
  }
  if (IsNumber(value)) return SerialToDateTime(value.toDouble());
  Fail(value, QStringLiteral("a date"));
}

}  // namespace FormatConversion

}  // namespace quitanza::report
