#pragma once

#include <QByteArrayView>

// One stage of a PDF output chain (deflate -> encrypt -> sink): it takes
// bytes, transforms them and hands them to the next stage. Finish flushes
// what the stage still holds and finishes the stages after it.
class TfrxPDFStage {
public:
  virtual ~TfrxPDFStage() = default;
  virtual void Write(QByteArrayView data) = 0;
  virtual void Finish() = 0;
};
