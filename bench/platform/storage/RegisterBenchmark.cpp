// The register at the size of many years of receipts: load, save and issuing
// one more receipt (insert, post, save of the whole register), with the memory
// the loaded register takes.
#include "platform/storage/ReceiptRegister.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <string>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

constexpr int RegisterSize = 100000;

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double StatusMegabytes(const std::string& key)
{
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
  }
  return 0;
}

// From here on the peak resident size counts again from the current size.
void ResetPeakMemory()
{
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

class RegisterFiles {
public:
  RegisterFiles()
  {
    WriteRegisterFile(Original(), Packed(SampleRecords(RegisterSize)));
  }
  QString Original() const { return m_folder.filePath(QStringLiteral("original.xml")); }
  QString Copy() const { return m_folder.filePath(QStringLiteral("recibo.xml")); }

private:
  QTemporaryDir m_folder;
};

const RegisterFiles& Files()
{
  static const RegisterFiles files;
  return files;
}

void LoadRegister(benchmark::State& state)
{
  const QString path = Files().Original();
  ResetPeakMemory();
  const double before = StatusMegabytes("VmRSS");
  double held = 0;
  for (auto _ : state) {
    ReceiptRegister reg;
    reg.LoadFromFile(path);
    malloc_trim(0);  // what the parse freed is not the register's
    held = StatusMegabytes("VmRSS") - before;
    benchmark::DoNotOptimize(reg.RecordCount());
  }
  state.counters["file_MB"] = static_cast<double>(QFile(path).size()) / (1024.0 * 1024.0);
  state.counters["register_MB"] = held;
  state.counters["peak_over_start_MB"] = StatusMegabytes("VmHWM") - before;
  state.counters["peak_RSS_MB"] = StatusMegabytes("VmHWM");
}

void SaveRegister(benchmark::State& state)
{
  ReceiptRegister reg;
  reg.LoadFromFile(Files().Original());
  ResetPeakMemory();
  const double before = StatusMegabytes("VmRSS");
  for (auto _ : state) reg.SaveToFile(Files().Copy());
  state.counters["peak_over_loaded_MB"] = StatusMegabytes("VmHWM") - before;
  state.counters["peak_RSS_MB"] = StatusMegabytes("VmHWM");
}

void IssueReceipt(benchmark::State& state)
{
  ReceiptRegister reg;
  reg.LoadFromFile(Files().Original());
  int number = RegisterSize;
  for (auto _ : state) {
    const ReceiptRecord receipt = SampleRecord(++number);
    reg.Insert();
    reg.SetFieldAsString(u"Cliente", receipt.Cliente);
    reg.SetFieldAsString(u"CNPJ", receipt.CNPJ);
    reg.SetFieldAsCurrency(u"Valor", receipt.Valor);
    reg.SetFieldAsString(u"Referente", receipt.Referente);
    reg.SetFieldAsInteger(u"Tipo", receipt.Tipo);
    reg.SetFieldAsInteger(u"Codigo", receipt.Codigo);
    reg.SetFieldAsString(u"Autenticacao", receipt.Autenticacao);
    reg.Post();
    reg.SaveToFile(Files().Copy());
  }
}

}  // namespace

BENCHMARK(LoadRegister)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveRegister)->Unit(benchmark::kMillisecond);
BENCHMARK(IssueReceipt)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
