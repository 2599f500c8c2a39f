#pragma once

#include "report/output/BufferSink.h"
#include "report/output/DeflateStage.h"

#include <QByteArray>
#include <QByteArrayView>

namespace quitanza::report {

class PDFEncryption;

// Makes the bytes between "stream" and "endstream" of stream objects. One
// encoder serves a whole export: setting up deflate costs several times more
// than deflating a page, so its state is kept and reset between streams.
class PDFStreamEncoder {
public:
  // The data deflated when compress is set, then encrypted with the object's
  // key when encryption is given. Their size is the stream's /Length.
  QByteArray Encode(QByteArrayView data, bool compress, const report::PDFEncryption* encryption,
                    int objectNumber);

private:
  BufferSink m_sink;
  report::DeflateStage m_deflate{m_sink};
};

}  // namespace quitanza::report
