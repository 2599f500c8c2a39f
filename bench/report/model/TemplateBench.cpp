// Loading and saving a large template, with a general XML parser reading the
// same bytes as the yardstick. Targets: load within 4x and save within 3x of
// the yardstick's parse time.
#include "report/model/Class.h"

#include <QBuffer>

#include <memory>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

constexpr int kObjects = 5000;

QImage SmallImage()
{
  QImage image(16, 12, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  return image;
}

// 5,000 objects in equal parts memos, lines, shapes and pictures, on pages
// of 250 objects each.
void BuildLargeReport(quitanza::report::Report& report)
{
  quitanza::report::Picture picture;
  picture.SetImage(SmallImage());
  report.Variables.SetValue(QStringLiteral(" Sistema"), QString());
  report.Variables.SetValue(QStringLiteral("Valor"), QString());
  auto* data = new quitanza::report::DataPage(&report);
  data->SetName(QStringLiteral("Data"));
  quitanza::report::ReportPage* page = nullptr;
  for (int i = 0; i < kObjects; ++i) {
    if (i % 250 == 0) {
      page = new quitanza::report::ReportPage(&report);
      page->SetName(QStringLiteral("Page%1").arg(i / 250 + 1));
    }
    const long double top = (i % 250) * 4.1234567L;
    quitanza::report::View* view = nullptr;
    switch (i % 4) {
    case 0: {
      auto* memo = new quitanza::report::MemoView(page);
      memo->SetText(QStringLiteral("Linha %1 de texto: [Valor] & R$ 1.234,56").arg(i));
      memo->HAlign = quitanza::report::HAlign::Center;
      Font font;
      font.Style = FontStyle::Bold;
      memo->SetFont(font);
      view = memo;
      break;
    }
    case 1:
      view = new quitanza::report::LineView(page);
      static_cast<quitanza::report::LineView*>(view)->Diagonal = true;
      break;
    case 2:
      view = new quitanza::report::ShapeView(page);
      view->Color = clSilver;
      break;
    default: {
      auto* pictureView = new quitanza::report::PictureView(page);
      pictureView->SetPicture(picture);
      view = pictureView;
      break;
    }
    }
    view->SetName(QStringLiteral("Object%1").arg(i));
    view->SetBounds(7.55906L + i % 7, top, 102.04731L, i % 4 == 1 ? 0 : 18.89765L);
  }
}

const QByteArray& LargeTemplate()
{
  static const QByteArray bytes = [] {
    quitanza::report::Report report;
    BuildLargeReport(report);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    report.SaveToStream(buffer);
    return out;
  }();
  return bytes;
}

void BM_PugixmlParse(benchmark::State& state)
{
  const QByteArray& bytes = LargeTemplate();
  for (auto _ : state) {
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!result)
      state.SkipWithError("pugixml rejected the template");
    benchmark::DoNotOptimize(document.first_child());
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Reading plus building the objects, into a new report each time: freeing
// the previous report's objects is not part of loading.
void BM_TemplateLoad(benchmark::State& state)
{
  const QByteArray& bytes = LargeTemplate();
  for (auto _ : state) {
    state.PauseTiming();
    auto report = std::make_unique<quitanza::report::Report>();
    report->EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    state.ResumeTiming();
    report->LoadFromStream(buffer);
    benchmark::DoNotOptimize(report->Objects().size());
    state.PauseTiming();
    report.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Loading over a report that already holds the same objects: the previous
// ones are freed first.
void BM_TemplateReload(benchmark::State& state)
{
  const QByteArray& bytes = LargeTemplate();
  quitanza::report::Report report;
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    report.LoadFromStream(buffer);
    benchmark::DoNotOptimize(report.Objects().size());
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_TemplateSave(benchmark::State& state)
{
  quitanza::report::Report report;
  BuildLargeReport(report);
  for (auto _ : state) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    report.SaveToStream(buffer);
    benchmark::DoNotOptimize(out.size());
  }
  state.SetBytesProcessed(state.iterations() * LargeTemplate().size());
}

BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TemplateLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TemplateReload)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TemplateSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
