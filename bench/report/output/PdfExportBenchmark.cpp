// Exporting receipts to PDF in-process: a batch of receipt pages into one
// document, and one receipt as the preview exports it, plain, with embedded
// fonts and protected. The batch leaves the pictures out (the target
// is for pages without pictures); the single receipt keeps the maker's logo.
#include "../../../tests/report/output/MemoryPreviewPages.h"
#include "report/model/frxClass.h"
#include "report/output/frxExportPDF.h"
#include "report/output/frxPreviewPagesExport.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

namespace {

void RemovePictures(TfrxReportPage& page) {
  for (TfrxComponent* band : page.Objects()) {
    const std::vector<TfrxComponent*> objects = band->Objects();
    for (TfrxComponent* object : objects) {
      if (dynamic_cast<TfrxPictureView*>(object))
        delete object;
    }
  }
}

qint64 ExportInto(QBuffer& buffer, MemoryPreviewPages& pages, TfrxPDFExport& filter) {
  buffer.setData(QByteArray());
  buffer.open(QIODevice::WriteOnly);
  filter.Stream = &buffer;
  frxExportPreviewPages(pages, &filter, {});
  buffer.close();
  return buffer.size();
}

void ExportReceiptPagesWithoutPictures(benchmark::State& state) {
  MemoryPreviewPages pages;
  for (int i = 0; i < state.range(0); ++i) {
    AddReceiptPage(pages);
    RemovePictures(pages.Page(i));
  }
  TfrxPDFExport filter;
  QBuffer buffer;
  qint64 size = 0;
  for (auto _ : state)
    size = ExportInto(buffer, pages, filter);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["bytes"] = double(size);
}
BENCHMARK(ExportReceiptPagesWithoutPictures)->Arg(1000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

enum Variant { Plain, EmbeddedFonts, Protected };

void ExportSingleReceipt(benchmark::State& state) {
  MemoryPreviewPages pages;
  AddReceiptPage(pages);
  TfrxPDFExport filter;
  filter.EmbeddedFonts = state.range(0) == EmbeddedFonts;
  if (state.range(0) == Protected)
    filter.UserPassword = "recibo";
  QBuffer buffer;
  qint64 size = 0;
  for (auto _ : state)
    size = ExportInto(buffer, pages, filter);
  state.counters["bytes"] = double(size);
}
BENCHMARK(ExportSingleReceipt)->Arg(Plain)->Arg(EmbeddedFonts)->Arg(Protected)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
