#pragma once

#include "report/output/frxPDFStage.h"

#include <QByteArray>

#include <memory>

struct z_stream_s;

// Deflates into the zlib stream format at level 1, the fastest: page content,
// font files and character maps are written this way. Finish ends one zlib
// stream and leaves the stage ready for the next.
class TfrxDeflateStage final : public TfrxPDFStage {
public:
  explicit TfrxDeflateStage(TfrxPDFStage& next);
  ~TfrxDeflateStage() override;
  TfrxDeflateStage(const TfrxDeflateStage&) = delete;
  TfrxDeflateStage& operator=(const TfrxDeflateStage&) = delete;

  void Write(QByteArrayView data) override;
  void Finish() override;

  // Where the next stream's bytes go. A stream left unfinished (by an error)
  // is dropped, so the next one starts clean.
  void SetNext(TfrxPDFStage& next);

private:
  void Deflate(QByteArrayView data, int flush);

  TfrxPDFStage* FNext;
  std::unique_ptr<z_stream_s> FStream;
  QByteArray FOutput;
};
