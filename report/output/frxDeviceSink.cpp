#include "report/output/frxDeviceSink.h"

#include <stdexcept>

void TfrxDeviceSink::Write(QByteArrayView data) {
  if (data.isEmpty())
    return;
  if (FDevice.write(data.data(), data.size()) != data.size())
    throw std::runtime_error("não foi possível gravar o PDF: " + FDevice.errorString().toStdString());
  FWritten += data.size();
}
