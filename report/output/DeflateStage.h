#pragma once

#include "report/output/PDFStage.h"

#include <QByteArray>

#include <memory>

struct z_stream_s;

namespace quitanza::report {

// Deflates into the zlib stream format at level 1, the fastest: page content,
// font files and character maps are written this way. Finish ends one zlib
// stream and leaves the stage ready for the next.
class DeflateStage final : public PDFStage {
public:
  explicit DeflateStage(PDFStage& next);
  ~DeflateStage() override;
  DeflateStage(const report::DeflateStage&) = delete;
  report::DeflateStage& operator=(const report::DeflateStage&) = delete;

  void Write(QByteArrayView data) override;
  void Finish() override;

  // Where the next stream's bytes go. A stream left unfinished (by an error)
  // is dropped, so the next one starts clean.
  void SetNext(PDFStage& next);

private:
  void Deflate(QByteArrayView data, int flush);

  PDFStage* m_next;
  std::unique_ptr<z_stream_s> m_stream;
  QByteArray m_output;
};

}  // namespace quitanza::report
