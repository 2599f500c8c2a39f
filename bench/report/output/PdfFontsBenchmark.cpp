// Costs of the PDF fonts: turning a receipt line into glyph codes (shaping
// included), writing the objects of a font, embedded and not, and making the
// subset of a substitute face when the process has not made it before.
#include "report/output/PDFFontObjects.h"
#include "report/output/PDFFontSubset.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFStrings.h"
#include "report/output/PDFWriter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

const char16_t ReceiptLine[] = u"Recebi(emos) de: JOÃO D'ÁVILA — a importância de R$ 1.234,56 (mil duzentos e trinta "
                               u"e quatro reais e cinquenta e seis centavos)";

void RemapReceiptLine(benchmark::State& state) {
  PDFFonts fonts;
  PDFFont& font = fonts[fonts.FindOrAdd(Font())];
  QByteArray hex;
  for (auto _ : state) {
    hex.clear();
    AppendPdfHexUnits(hex, font.RemapString(ReceiptLine, false));
    benchmark::DoNotOptimize(hex.data());
  }
}
BENCHMARK(RemapReceiptLine);

void WriteFontObjects(benchmark::State& state) {
  const bool embedded = state.range(0) != 0;
  // The face itself, not a substitute, so embedding is up to the setting.
  Font named;
  named.Name = QStringLiteral("Liberation Sans");
  PDFFonts fonts;
  fonts[fonts.FindOrAdd(named)].RemapString(ReceiptLine, false);
  PDFStreamEncoder encoder;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PDFWriter writer(buffer);
    fonts[0].SetReference(0);
    fonts.Write({writer, encoder, true, embedded, nullptr});
    benchmark::DoNotOptimize(buffer.data().size());
  }
}
BENCHMARK(WriteFontObjects)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void SubsetReceiptGlyphs(benchmark::State& state) {
  PDFFonts fonts;
  PDFFont& font = fonts[fonts.FindOrAdd(Font())];
  font.RemapString(ReceiptLine, false);
  PDFStreamEncoder encoder;
  for (auto _ : state) {
    const QByteArray subset = SubsetFontProgram(font.Face(), font.UsedAlphabet());
    benchmark::DoNotOptimize(encoder.Encode(subset, true, nullptr, 0).size());
  }
}
BENCHMARK(SubsetReceiptGlyphs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
