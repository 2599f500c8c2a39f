#pragma once

#include <QByteArray>

// The data of a zlib stream, which must inflate to exactly `size` bytes or
// fewer; a broken stream fails the current test.
QByteArray Inflate(const QByteArray& compressed, qsizetype size);
