// The receipt register (recibo.xml) loaded from a file holding the input, as
// the program loads it at start-up. What loads must also survive the save
// that follows every receipt issued: saved and loaded again, it holds the
// same records.
#include "fuzz/FuzzSupport.h"

#include "platform/files/FileError.h"
#include "platform/storage/ReceiptRegister.h"

#include <cstdio>
#include <cstdlib>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

std::vector<ReceiptRecord> Records(const ReceiptRegister& reg)
{
  std::vector<ReceiptRecord> records;
  for (qsizetype i = 0; i < reg.RecordCount(); ++i)
    records.push_back(reg.Record(i));
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  static const FuzzFile file(QStringLiteral("recibo.xml"));
  static const QString saved = file.Sibling(QStringLiteral("saved.xml"));
  file.Write(data, size);
  ReceiptRegister reg;
  try {
    reg.LoadFromFile(file.Path());
  } catch (const FileError&) {
    return 0;
  }
  // Every field of every row, as the lists and the receipts read them.
  for (qsizetype row = 0; row < reg.RecordCount(); ++row) {
    reg.MoveTo(row);
    for (const FieldDef& field : ReceiptFields)
      reg.FieldAsString(field.Name);
  }
  reg.SaveToFile(saved);
  ReceiptRegister reloaded;
  reloaded.LoadFromFile(saved);
  if (Records(reloaded) != Records(reg)) {
    std::fprintf(stderr, "The register saved and loaded again differs from the one loaded\n");
    std::abort();
  }
  return 0;
}
