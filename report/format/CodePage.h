#pragma once

#include <QByteArray>
#include <QString>

namespace quitanza::report {

// The 8-bit code page of old-format template files (Western, 1252).
QString DecodeCp1252(QByteArrayView bytes);
QByteArray EncodeCp1252(QStringView text);

}  // namespace quitanza::report
