#pragma once

#include <QByteArrayView>

namespace quitanza::report {

// One stage of a PDF output chain (deflate -> encrypt -> sink): it takes
// bytes, transforms them and hands them to the next stage. Finish flushes
// what the stage still holds and finishes the stages after it.
class PDFStage {
public:
  virtual ~PDFStage() = default;
  virtual void Write(QByteArrayView data) = 0;
  virtual void Finish() = 0;
};

}  // namespace quitanza::report
