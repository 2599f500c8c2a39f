#pragma once

#include "report/output/frxBufferSink.h"
#include "report/output/frxDeflateStage.h"

#include <QByteArray>
#include <QByteArrayView>

class TfrxPDFEncryption;

// Makes the bytes between "stream" and "endstream" of stream objects. One
// encoder serves a whole export: setting up deflate costs several times more
// than deflating a page, so its state is kept and reset between streams.
class TfrxPDFStreamEncoder {
public:
  // The data deflated when compress is set, then encrypted with the object's
  // key when encryption is given. Their size is the stream's /Length.
  QByteArray Encode(QByteArrayView data, bool compress, const TfrxPDFEncryption* encryption,
                    int objectNumber);

private:
  TfrxBufferSink FSink;
  TfrxDeflateStage FDeflate{FSink};
};
