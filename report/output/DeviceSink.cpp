#include "report/output/DeviceSink.h"

#include <stdexcept>

namespace quitanza::report {

void DeviceSink::Write(QByteArrayView data) {
  if (data.isEmpty())
    return;
  if (m_device.write(data.data(), data.size()) != data.size())
    throw std::runtime_error("não foi possível gravar o PDF: " + m_device.errorString().toStdString());
  m_written += data.size();
}

}  // namespace quitanza::report
