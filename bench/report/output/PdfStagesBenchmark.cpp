// Costs of the PDF writing stages: deflating one page's content, encrypting
// it, and writing a small file through the object writer.
#include "report/output/PDFColors.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFFileId.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFWriter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

// Operators of the kind a receipt page holds, up to the given size.
QByteArray PageContent(int size) {
  QByteArray content;
  for (int i = 0; content.size() < size; ++i) {
    const double x = 20 + (i * 37 % 500) * 1.125;
    const double y = 800 - (i * 13 % 700) * 0.75;
    content += "q\r\n" + PdfFloat(x) + ' ' + PdfFloat(y) + ' ' + PdfFloat(150.5) + ' ' +
               PdfFloat(14.25) + " re\r\nW\r\nn\r\n/F0 10 Tf\r\n" + PdfColorText(clBlack) +
               " rg\r\nBT\r\n" + PdfFloat(x + 1.5) + ' ' + PdfFloat(y + 3) + " Td\r\n<0033004800510044> Tj\r\nET\r\nQ\r\n";
  }
  return content.left(size);
}

void DeflateContent3KB(benchmark::State& state) {
  const QByteArray content = PageContent(3 * 1024);
  PDFStreamEncoder encoder;
  for (auto _ : state)
    benchmark::DoNotOptimize(encoder.Encode(content, true, nullptr, 2));
  state.SetBytesProcessed(state.iterations() * content.size());
}
BENCHMARK(DeflateContent3KB);

// The same with a new encoder each time: what keeping one per export saves.
void DeflateContent3KBNewEncoder(benchmark::State& state) {
  const QByteArray content = PageContent(3 * 1024);
  for (auto _ : state)
    benchmark::DoNotOptimize(PDFStreamEncoder().Encode(content, true, nullptr, 2));
}
BENCHMARK(DeflateContent3KBNewEncoder);

void DeflateAndEncryptContent3KB(benchmark::State& state) {
  const QByteArray content = PageContent(3 * 1024);
  const PDFEncryption encryption("user", "", PdfPermissionValue(AllPDFEncBits), NewPdfFileId());
  PDFStreamEncoder encoder;
  for (auto _ : state)
    benchmark::DoNotOptimize(encoder.Encode(content, true, &encryption, 2));
  state.SetBytesProcessed(state.iterations() * content.size());
}
BENCHMARK(DeflateAndEncryptContent3KB);

void SetUpEncryption(benchmark::State& state) {
  const QByteArray fileId = NewPdfFileId();
  for (auto _ : state)
    benchmark::DoNotOptimize(quitanza::report::PDFEncryption("user", "owner", -4, fileId));
}
BENCHMARK(SetUpEncryption);

// A 10 KB file: header, twenty 500-byte objects, table and trailer.
void WriteFile10KB(QIODevice& device, const QByteArray& fileId) {
  static const QByteArray body(480, 'x');
  PDFWriter writer(device);
  writer.WriteLine("%PDF-1.5");
  for (int i = 0; i < 20; ++i) {
    writer.WriteLine(PdfInt(writer.NewObject()) + " 0 obj");
    writer.WriteLine(body);
    writer.WriteLine("endobj");
  }
  writer.WriteTrailer(1, 2, fileId, {}, writer.WriteXref());
}

// Created, written and closed like an export's output file, in a folder of
// the temporary directory (disk) or of /dev/shm (memory file system), so the
// disk's share of the time shows.
void WriteFile10KBInFolder(benchmark::State& state, const QString& folderTemplate) {
  QTemporaryDir dir(folderTemplate);
  const QString path = dir.filePath(QStringLiteral("bench.pdf"));
  const QByteArray fileId = NewPdfFileId();
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      state.SkipWithError("cannot create the file");
      break;
    }
    WriteFile10KB(file, fileId);
    file.close();
  }
  state.counters["file bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(WriteFile10KBInFolder, disk, QDir::tempPath() + QStringLiteral("/quitanza-bench-XXXXXX"));
BENCHMARK_CAPTURE(WriteFile10KBInFolder, memory, QStringLiteral("/dev/shm/quitanza-bench-XXXXXX"));

void WriteFile10KBInMemoryBuffer(benchmark::State& state) {
  const QByteArray fileId = NewPdfFileId();
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteFile10KB(buffer, fileId);
    benchmark::DoNotOptimize(buffer.data());
  }
}
BENCHMARK(WriteFile10KBInMemoryBuffer);

// Page coordinates in points: pixels x 0.75 plus a margin shift.
void FormatNumber(benchmark::State& state) {
  int pixel = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PdfFloat(pixel * 0.75 + 0.5));
    pixel = (pixel + 7) % 1123;
  }
}
BENCHMARK(FormatNumber);

// Exact halves (multiples of 1/8) take the text conversion path.
void FormatNumberExactHalf(benchmark::State& state) {
  double value = 0.375;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PdfFloat(value));
    value += 1.25;
  }
}
BENCHMARK(FormatNumberExactHalf);

}  // namespace

BENCHMARK_MAIN();
