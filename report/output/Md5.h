#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <initializer_list>

namespace quitanza::report {

// MD5 digest (16 bytes) of the parts, hashed one after the other as if joined.
// Used where file formats and the receipts' authentication code require MD5.
QByteArray MD5Digest(std::initializer_list<QByteArrayView> parts);

inline QByteArray MD5Digest(QByteArrayView data) { return MD5Digest({data}); }

}  // namespace quitanza::report
