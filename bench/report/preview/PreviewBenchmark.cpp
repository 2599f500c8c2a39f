// The preview of a 1,000-page prepared report: how long until page 1 is on
// the screen, and how long one frame takes while scrolling at 100%.
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/preview/Preview.h"
#include "report/preview/PreviewForm.h"
#include "report/preview/PreviewWorkspace.h"
#include "tests/support/IssuedReceipt.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

using namespace quitanza::report;

namespace {

constexpr int kPages = 1000;

// The receipt prepared 1,000 times, saved once as the operator would keep it.
const QString& PreparedFile()
{
  static QTemporaryDir folder;
  static const QString path = [] {
    IssuedReceiptOptions options;
    options.Pages = kPages;
    IssuedReceipt receipt(options);
    const QString file = folder.filePath(QStringLiteral("mil.fp3"));
    receipt.Pages().SaveToFile(file);
    return file;
  }();
  return path;
}

std::unique_ptr<Report> LoadedReport()
{
  auto report = std::make_unique<Report>();
  report->PreviewOptions.Maximized = false;
  report->PreviewPages().LoadFromFile(PreparedFile(), true);
  return report;
}

// From the pages in the store to page 1 painted in a shown window.
void BM_OpenPreviewOf1000Pages(benchmark::State& state)
{
  std::unique_ptr<Report> report = LoadedReport();
  for (auto _ : state) {
    PreviewForm form(*report);
    form.resize(1024, 768);
    form.Init();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
      state.SkipWithError("the window was not shown");
    form.PreviewControl().Workspace().viewport()->repaint();
  }
  state.counters["pages"] = report->PreviewPages().Count();
}
BENCHMARK(BM_OpenPreviewOf1000Pages)->Unit(benchmark::kMillisecond);

// One frame: the view moves 300 pixels (Page Down) and repaints, through
// all 1,000 pages; the store keeps only its cache of rebuilt pages.
void BM_ScrollFrameAt100Percent(benchmark::State& state)
{
  std::unique_ptr<Report> report = LoadedReport();
  PreviewForm form(*report);
  form.resize(1024, 768);
  form.Init();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form))
    state.SkipWithError("the window was not shown");
  PreviewWorkspace& workspace = form.PreviewControl().Workspace();
  QScrollBar* bar = workspace.verticalScrollBar();
  int mostCached = 0;
  for (auto _ : state) {
    bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + PreviewWorkspace::kLargeStep);
    workspace.viewport()->repaint();
    mostCached = std::max(mostCached, report->PreviewPages().PageCacheCount());
  }
  state.counters["most_pages_cached"] = mostCached;
  state.counters["last_page"] = form.PreviewControl().PageNo();
  state.counters["pages_in_store"] = report->PreviewPages().Count();
}
BENCHMARK(BM_ScrollFrameAt100Percent)->Unit(benchmark::kMillisecond)->Iterations(4000);

}  // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
