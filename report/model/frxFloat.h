#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

// Numbers in template files. The decimal separator is the program's own
// setting (a point unless changed), never the machine's locale, so a file
// written on one desktop reads the same on another.
QChar frxDecimalSeparator();
void frxSetDecimalSeparator(QChar separator);

// Shortest general form with up to 15 significant digits: 548.9295, 0, -16,
// 1E-5; no decimal part for whole numbers.
QString frxFloatToStr(long double value, QChar decimalSeparator);
void frxAppendFloat(QString& out, long double value, QChar decimalSeparator);
// The same into a buffer of kFloatTextSize characters; returns the length.
inline constexpr int kFloatTextSize = 48;
int frxFormatFloat(char* text, long double value, char decimalSeparator);

// Accepts both a point and a comma as the decimal separator and ignores
// spaces. Throws EfrxError when the text is not a number.
long double frxStrToFloat(QStringView text);
long double frxStrToFloat(QByteArrayView text);

// Decimal integers; throws EfrxError with the usual "is not a valid integer
// value" wording.
qint64 frxStrToInt(QStringView text);
qint64 frxStrToInt(QByteArrayView text);
