// A report template (.fr3) read from the input's bytes, as the program reads
// Recibo.fr3 and the templates given to the command line.
#include "fuzz/FuzzSupport.h"

#include "report/format/Errors.h"
#include "report/model/Report.h"

#include <QBuffer>

using namespace quitanza::platform;
using namespace quitanza::report;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  quitanza::report::Report report;
  // As on the command line: what the reader lists comes back as one error.
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  QBuffer file;
  file.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  file.open(QIODevice::ReadOnly);
  try {
    report.LoadFromStream(file);
  } catch (const quitanza::report::ReportError&) {
  }
  return 0;
}
