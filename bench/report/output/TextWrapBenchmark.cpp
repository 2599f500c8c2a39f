// Wrapping 1 MB of Portuguese prose into 70 mm lines at 10 pt, against the
// floor of shaping the same paragraphs with HarfBuzz alone.
#include "platform/graphics/FontCatalog.h"
#include "report/text/TextEngine.h"

#include <QStringList>

#include <benchmark/benchmark.h>
#include <hb.h>

#include <random>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

const char16_t* const sentences[] = {
    u"Recebemos de Maria das Graças Conceição a importância de duzentos e trinta e quatro reais.",
    u"O pagamento refere-se à manutenção do jardim e à limpeza da calçada no mês de março.",
    u"Para maior clareza firmamos o presente recibo, que dá plena e geral quitação.",
    u"A prestação de serviços foi executada conforme o combinado, sem ônus adicional ao cliente.",
    u"São João del-Rei, Açaí, Ipê-amarelo e Pão de Açúcar aparecem no endereço de cobrança.",
    u"O valor será corrigido pelo índice oficial caso o vencimento não seja respeitado.",
    u"Não há débitos pendentes até a presente data, salvo os já informados por escrito.",
};

// About one million characters in paragraphs of three to twelve sentences.
QStringList portugueseProse()
{
  std::mt19937 random(2024);
  QStringList paragraphs;
  qsizetype total = 0;
  while (total < 1'000'000) {
    QString paragraph;
    const int count = 3 + static_cast<int>(random() % 10);
    for (int k = 0; k < count; ++k) {
      if (k > 0)
        paragraph += u' ';
      paragraph += QString::fromUtf16(sentences[random() % std::size(sentences)]);
    }
    total += paragraph.size();
    paragraphs.append(paragraph);
  }
  return paragraphs;
}

const QStringList& prose()
{
  static const QStringList text = portugueseProse();
  return text;
}

void WrapWithTextEngine(benchmark::State& state)
{
  TextEngine engine;
  engine.Lock();
  Font font;
  font.SetSize(10);
  engine.SetFont(font);
  engine.SetOptions(true, false, false, false, true, true, 0);
  engine.SetGaps(0, 0, 2);
  const Rect box{0, 0, static_cast<int>(std::lround(70 * 3.77953)), 100000};
  engine.SetDimensions(1, 1, 1, box, box);
  std::size_t lines = 0;
  for (auto _ : state) {
    engine.SetText(prose());
    lines = engine.Lines().size();
  }
  engine.Unlock();
  state.counters["lines"] = static_cast<double>(lines);
  state.SetBytesProcessed(state.iterations() * 1'000'000);
}

void ShapeWithHarfBuzzAlone(benchmark::State& state)
{
  const FontFace& face = FontCatalog::Instance().Face(QStringLiteral("Arial"), {});
  hb_buffer_t* buffer = hb_buffer_create();
  unsigned glyphs = 0;
  for (auto _ : state) {
    glyphs = 0;
    for (const QString& paragraph : prose()) {
      hb_buffer_clear_contents(buffer);
      hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(paragraph.utf16()),
                          static_cast<int>(paragraph.size()), 0, -1);
      hb_buffer_guess_segment_properties(buffer);
      hb_shape(face.HarfBuzzFont(), buffer, nullptr, 0);
      glyphs += hb_buffer_get_length(buffer);
    }
    benchmark::DoNotOptimize(glyphs);
  }
  hb_buffer_destroy(buffer);
  state.counters["glyphs"] = glyphs;
  state.SetBytesProcessed(state.iterations() * 1'000'000);
}

}  // namespace

BENCHMARK(WrapWithTextEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(ShapeWithHarfBuzzAlone)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
