// A prepared report (.fp3) opened from a file holding the input, as the
// command line opens one, and each of its pages rebuilt, as the outputs do.
#include "fuzz/FuzzSupport.h"

#include "report/format/frxErrors.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxReport.h"

using namespace quitanza::platform;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  static const FuzzFile file(QStringLiteral("prepared.fp3"));
  file.Write(data, size);
  TfrxReport report;
  report.EngineOptions.NewSilentMode = simReThrow;
  TfrxPreviewPages& pages = report.PreviewPages();
  try {
    pages.LoadFromFile(file.Path(), true);
  } catch (const EfrxError&) {
    return 0;
  }
  // A damaged page throws on its own; the others are still read.
  for (int i = 0; i < pages.Count(); ++i) {
    try {
      pages.GetPage(i);
    } catch (const EfrxError&) {
    }
  }
  return 0;
}
