// A prepared report (.fp3) opened from a file holding the input, as the
// command line opens one, and each of its pages rebuilt, as the outputs do.
#include "fuzz/FuzzSupport.h"

#include "report/format/Errors.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"

using namespace quitanza::platform;
using namespace quitanza::report;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  static const FuzzFile file(QStringLiteral("prepared.fp3"));
  file.Write(data, size);
  quitanza::report::Report report;
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  try {
    pages.LoadFromFile(file.Path(), true);
  } catch (const quitanza::report::ReportError&) {
    return 0;
  }
  // A damaged page throws on its own; the others are still read.
  for (int i = 0; i < pages.Count(); ++i) {
    try {
      pages.GetPage(i);
    } catch (const quitanza::report::ReportError&) {
    }
  }
  return 0;
}
