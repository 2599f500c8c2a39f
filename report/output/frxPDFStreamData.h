#pragma once

#include <QByteArray>
#include <QByteArrayView>

class TfrxPDFEncryption;

// The bytes between "stream" and "endstream" of one stream object: the data
// deflated when compress is set, then encrypted with the object's key when
// encryption is given. Their size is the stream's /Length.
QByteArray EncodePdfStreamData(QByteArrayView data, bool compress,
                               const TfrxPDFEncryption* encryption, int objectNumber);
