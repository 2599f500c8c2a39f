#include "report/output/frxDeflateStage.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace {

constexpr int OutputChunk = 16 * 1024;

void CheckZlib(int result, const z_stream& stream) {
  if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
    throw std::runtime_error(std::string("deflate failed: ") + (stream.msg ? stream.msg : "zlib error"));
}

}  // namespace

TfrxDeflateStage::TfrxDeflateStage(TfrxPDFStage& next)
    : FNext(&next), FStream(std::make_unique<z_stream>()), FOutput(OutputChunk, Qt::Uninitialized) {
  CheckZlib(deflateInit(FStream.get(), 1), *FStream);
}

TfrxDeflateStage::~TfrxDeflateStage() { deflateEnd(FStream.get()); }

void TfrxDeflateStage::Write(QByteArrayView data) {
  // zlib counts input in unsigned int: feed very large blocks in pieces.
  constexpr qsizetype MaxPiece = std::numeric_limits<int>::max();
  while (data.size() > MaxPiece) {
    Deflate(data.first(MaxPiece), Z_NO_FLUSH);
    data = data.sliced(MaxPiece);
  }
  Deflate(data, Z_NO_FLUSH);
}

void TfrxDeflateStage::Finish() {
  Deflate({}, Z_FINISH);
  CheckZlib(deflateReset(FStream.get()), *FStream);
  FNext->Finish();
}

void TfrxDeflateStage::SetNext(TfrxPDFStage& next) {
  if (FStream->total_in != 0 || FStream->total_out != 0)
    CheckZlib(deflateReset(FStream.get()), *FStream);
  FNext = &next;
}

void TfrxDeflateStage::Deflate(QByteArrayView data, int flush) {
  z_stream& stream = *FStream;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = uInt(data.size());
  int result = Z_OK;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(FOutput.data());
    stream.avail_out = OutputChunk;
    result = deflate(&stream, flush);
    CheckZlib(result, stream);
    const qsizetype produced = OutputChunk - stream.avail_out;
    if (produced > 0)
      FNext->Write(QByteArrayView(FOutput.constData(), produced));
  } while (stream.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
}
