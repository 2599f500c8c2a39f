#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <string>

namespace quitanza::report {

// Numbers in template files. The decimal separator is the program's own
// setting (a point unless changed), never the machine's locale, so a file
// written on one desktop reads the same on another.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);

// The general form with up to 15 significant digits, as printf's "%.15Lg"
// gives it, with the exponent spelt as files have it: 548.9295, 0, -16, 1E-5,
// 1E20; no decimal part for whole numbers.
QString FloatToStr(long double value, QChar decimalSeparator);
void AppendFloat(std::string& out, long double value, QChar decimalSeparator);

// The value a file keeps of `value`: what reading its text gives back.
long double FileFloat(long double value);

// Accepts both a point and a comma as the decimal separator and ignores
// spaces. Throws ReportError when the text is not a number.
long double StrToFloat(QStringView text);
long double StrToFloat(QByteArrayView text);

// Decimal integers; throws ReportError with the usual "is not a valid integer
// value" wording.
qint64 StrToInt(QStringView text);

}  // namespace quitanza::report
