// Preparing the receipt layout as 10,000 pages, and rebuilding every page.
// Targets: preparation at 5,000 pages per second or more; with the file cache
// (MaxMemSize 10) the process's peak memory stays under 150 MB. Run each
// benchmark alone (--benchmark_filter) to read its peak memory.
#include "tests/support/IssuedReceipt.h"

#include "report/model/PreviewPages.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

constexpr int kPages = 10000;

void FillReceiptPages(quitanza::report::Report& report)
{
  FillReceipt(report);
  dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")))->SetPageCount(kPages);
}

double PeakMegabytes()
{
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Prepare(benchmark::State& state, bool fileCache)
{
  quitanza::report::Report report;
  FillReceiptPages(report);
  report.EngineOptions.UseFileCache = fileCache;
  report.EngineOptions.MaxMemSize = 10;
  for (auto _ : state) {
    if (!report.PrepareReport())
      state.SkipWithError("preparation failed");
    benchmark::DoNotOptimize(report.PreviewPages().Count());
  }
  state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
  state.counters["peak MB"] = PeakMegabytes();
}

void BM_PrepareReceiptPages(benchmark::State& state) { Prepare(state, false); }
BENCHMARK(BM_PrepareReceiptPages)->Unit(benchmark::kMillisecond);

void BM_PrepareReceiptPagesWithFileCache(benchmark::State& state) { Prepare(state, true); }
BENCHMARK(BM_PrepareReceiptPagesWithFileCache)->Unit(benchmark::kMillisecond);

void BM_RebuildEveryPage(benchmark::State& state)
{
  quitanza::report::Report report;
  FillReceiptPages(report);
  if (!report.PrepareReport())
    state.SkipWithError("preparation failed");
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  for (auto _ : state) {
    for (int i = 0; i < pages.Count(); ++i)
      benchmark::DoNotOptimize(pages.GetPage(i));
  }
  state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RebuildEveryPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
