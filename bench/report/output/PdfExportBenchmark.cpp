// Exporting receipts to PDF in-process, from the real page store: a batch of
// receipt pages into one document, without pictures and with the issuer's
// logo, and one receipt as the preview exports it, plain, with embedded fonts
// and protected. The single receipt keeps the maker's logo, and once the
// issuer's logo too.
#include "report/model/PreviewPages.h"
#include "report/output/ExportPDF.h"
#include "report/output/PreviewPagesExport.h"
#include "tests/support/IssuedReceipt.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

qint64 ExportInto(QBuffer& buffer, PreviewPages& pages, PDFExport& filter) {
  buffer.setData(QByteArray());
  buffer.open(QIODevice::WriteOnly);
  filter.Stream = &buffer;
  ExportPreviewPages(pages, &filter, {});
  buffer.close();
  return buffer.size();
}

void ExportReceiptPages(benchmark::State& state, IssuedReceiptOptions options) {
  options.Pages = int(state.range(0));
  IssuedReceipt receipt(options);
  PDFExport filter;
  QBuffer buffer;
  qint64 size = 0;
  for (auto _ : state)
    size = ExportInto(buffer, receipt.Pages(), filter);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["bytes"] = double(size);
}
BENCHMARK_CAPTURE(ExportReceiptPages, WithoutPictures, IssuedReceiptOptions{.Pictures = false})
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(ExportReceiptPages, WithIssuerLogo, IssuedReceiptOptions{.Logo = true})
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

enum Variant { Plain, EmbeddedFonts, Protected, IssuerLogo };

void ExportSingleReceipt(benchmark::State& state) {
  IssuedReceipt receipt({.Logo = state.range(0) == IssuerLogo});
  PDFExport filter;
  filter.EmbeddedFonts = state.range(0) == EmbeddedFonts;
  if (state.range(0) == Protected)
    filter.UserPassword = "recibo";
  QBuffer buffer;
  qint64 size = 0;
  for (auto _ : state)
    size = ExportInto(buffer, receipt.Pages(), filter);
  state.counters["bytes"] = double(size);
}
BENCHMARK(ExportSingleReceipt)
    ->Arg(Plain)
    ->Arg(EmbeddedFonts)
    ->Arg(Protected)
    ->Arg(IssuerLogo)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();

}  // namespace
