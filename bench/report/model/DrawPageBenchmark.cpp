// Drawing the issued receipt page onto an image, as the preview at 100 % and
// a 300 dpi rendering do. Target: 100 pages a second at 96 dpi, 20 at 300.
#include "platform/graphics/PainterCanvas.h"
#include "report/model/DrawPage.h"
#include "report/model/PreviewPages.h"
#include "tests/support/IssuedReceipt.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

void DrawReceipt(benchmark::State& state)
{
  const int dpi = static_cast<int>(state.range(0));
  const double scale = dpi / 96.0;
  IssuedReceipt receipt;
  PreviewPages& pages = receipt.Pages();
  const QSize size = pages.GetPageSize(0) * scale;
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, dpi, dpi, false);
    DrawPage(pages, 0, canvas, scale, scale, 0, 0);
  }
  state.counters["pages/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(DrawReceipt)->Arg(96)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();
