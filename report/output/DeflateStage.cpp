#include "report/output/DeflateStage.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace quitanza::report {

namespace {

constexpr int OutputChunk = 16 * 1024;

void CheckZlib(int result, const z_stream& stream) {
  if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
    throw std::runtime_error(std::string("deflate failed: ") + (stream.msg ? stream.msg : "zlib error"));
}

}  // namespace

DeflateStage::DeflateStage(PDFStage& next)
    : m_next(&next), m_stream(std::make_unique<z_stream>()), m_output(OutputChunk, Qt::Uninitialized) {
  CheckZlib(deflateInit(m_stream.get(), 1), *m_stream);
}

DeflateStage::~DeflateStage() { deflateEnd(m_stream.get()); }

void DeflateStage::Write(QByteArrayView data) {
  // zlib counts input in unsigned int: feed very large blocks in pieces.
  constexpr qsizetype MaxPiece = std::numeric_limits<int>::max();
  while (data.size() > MaxPiece) {
    Deflate(data.first(MaxPiece), Z_NO_FLUSH);
    data = data.sliced(MaxPiece);
  }
  Deflate(data, Z_NO_FLUSH);
}

void DeflateStage::Finish() {
  Deflate({}, Z_FINISH);
  CheckZlib(deflateReset(m_stream.get()), *m_stream);
  m_next->Finish();
}

void DeflateStage::SetNext(PDFStage& next) {
  if (m_stream->total_in != 0 || m_stream->total_out != 0)
    CheckZlib(deflateReset(m_stream.get()), *m_stream);
  m_next = &next;
}

void DeflateStage::Deflate(QByteArrayView data, int flush) {
  z_stream& stream = *m_stream;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = uInt(data.size());
  int result = Z_OK;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(m_output.data());
    stream.avail_out = OutputChunk;
    result = deflate(&stream, flush);
    CheckZlib(result, stream);
    const qsizetype produced = OutputChunk - stream.avail_out;
    if (produced > 0)
      m_next->Write(QByteArrayView(m_output.constData(), produced));
  } while (stream.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
}

}  // namespace quitanza::report
