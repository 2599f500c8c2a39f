// Costs of the PDF fonts: turning a receipt line into glyph codes (shaping
// included), writing the objects of a font, embedded and not, and making the
// subset of a substitute face when the process has not made it before.
#include "report/output/frxPDFFontObjects.h"
#include "report/output/frxPDFFontSubset.h"
#include "report/output/frxPDFFonts.h"
#include "report/output/frxPDFStreamEncoder.h"
#include "report/output/frxPDFStrings.h"
#include "report/output/frxPDFWriter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

using namespace quitanza::platform;

namespace {

const char16_t ReceiptLine[] = u"Recebi(emos) de: JOÃO D'ÁVILA — a importância de R$ 1.234,56 (mil duzentos e trinta "
                               u"e quatro reais e cinquenta e seis centavos)";

void RemapReceiptLine(benchmark::State& state) {
  TfrxPDFFonts fonts;
  TfrxPDFFont& font = fonts[fonts.FindOrAdd(Font())];
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
  TfrxPDFFonts fonts;
  fonts[fonts.FindOrAdd(named)].RemapString(ReceiptLine, false);
  TfrxPDFStreamEncoder encoder;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TfrxPDFWriter writer(buffer);
    fonts[0].SetReference(0);
    fonts.Write({writer, encoder, true, embedded, nullptr});
    benchmark::DoNotOptimize(buffer.data().size());
  }
}
BENCHMARK(WriteFontObjects)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void SubsetReceiptGlyphs(benchmark::State& state) {
  TfrxPDFFonts fonts;
  TfrxPDFFont& font = fonts[fonts.FindOrAdd(Font())];
  font.RemapString(ReceiptLine, false);
  TfrxPDFStreamEncoder encoder;
  for (auto _ : state) {
    const QByteArray subset = frxSubsetFontProgram(font.Face(), font.UsedAlphabet());
    benchmark::DoNotOptimize(encoder.Encode(subset, true, nullptr, 0).size());
  }
}
BENCHMARK(SubsetReceiptGlyphs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
