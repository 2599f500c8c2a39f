#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of old-format template files (Western, 1252).
QString frxDecodeCp1252(QByteArrayView bytes);
QByteArray frxEncodeCp1252(QStringView text);
