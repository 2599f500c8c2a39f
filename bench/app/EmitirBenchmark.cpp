// Issuing one more receipt the whole way (number, amount in words, code, the
// template loaded, filled and prepared, the row inserted, the register saved,
// the counter written), on a fresh register and on one of 100,000 receipts;
// with the PDF export in the preview's place as the command line does it.
#include "app/DataModule.h"
#include "app/PrincipalWorkflow.h"
#include "app/cli/CommandLineUserInterface.h"
#include "platform/files/AtomicFile.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

namespace {

// A data folder with a configured issuer and logo and a register of `receipts` rows.
class IssueFolder {
public:
  explicit IssueFolder(int receipts)
  {
    const QString settings = QStringLiteral(
      "[EMITENTE]\nEMPRESA=Padaria São João\nENDERECO=Rua Grande, 100\nBAIRRO=Centro\nCIDADE=São Luís\n"
      "TELEFONE=(98)3210-4567\nCFP_CNPJ=12.345.678/0001-95\nLOGO=%1\nCODIGO=%2\n")
      .arg(QStringLiteral(QUITANZA_TEST_DATA "/draw/logo.png"))
      .arg(receipts);
    WriteFileAtomically(m_folder.filePath(QStringLiteral("config.ini")), settings.toUtf8());
    WriteRegisterFile(m_folder.filePath(QStringLiteral("recibo.xml")), Packed(SampleRecords(receipts)));
  }
  QString Path() const { return m_folder.path(); }
  QString PdfPath() const { return m_folder.filePath(QStringLiteral("recibo.pdf")); }

private:
  QTemporaryDir m_folder;
};

void IssueReceipt(benchmark::State& state)
{
  const IssueFolder folder(static_cast<int>(state.range(0)));
  DataModule dm(folder.Path(), QStringLiteral(QUITANZA_BINARY_DIR "/app"));
  dm.LoadRegisterIfPresent();
  QString discarded;
  QTextStream out(&discarded);
  CommandLineUserInterface ui(out, out, false);
  if (state.range(1))
    ui.ExportPreviewTo(dm.frxPDFExport, folder.PdfPath(), {});
  PrincipalWorkflow principal(dm, ui);

  ReceiptEntry entry;
  entry.Cliente = QStringLiteral("MARIA DA CONCEIÇÃO");
  entry.CNPJ = QStringLiteral("111.444.777-35");
  entry.Valor = QStringLiteral("1.500,00");
  entry.Referente = QStringLiteral("Aluguel de março\nparcela única");
  for (auto _ : state) {
    if (!principal.btnEmitirClick(entry))
      ui.ThrowIfStopped();
    ui.CommitPreview();
  }
  state.counters["register_rows"] = static_cast<double>(dm.cdsReg.RecordCount());
}

}  // namespace

// Arguments: register size, PDF export (1) or none (0).
BENCHMARK(IssueReceipt)
  ->ArgNames({"register", "pdf"})
  ->Args({0, 0})
  ->Args({0, 1})
  ->Args({100000, 0})
  ->Args({100000, 1})
  ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  QCoreApplication application(argc, argv);  // the data module reads the program's folder
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
