// The settings file (config.ini) read from a file holding the input, as the
// program reads the issuer's data, and the receipt counter then written back,
// as issuing a receipt does. The write changes that one value: the counter
// reads back as written and every other key as before.
#include "fuzz/FuzzSupport.h"

#include "app/IssuerSettings.h"
#include "platform/files/FileError.h"
#include "platform/storage/IniFile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace quitanza::platform;
using namespace quitanza::app;

namespace {

std::vector<QString> IssuerValues(const IniFile& settings)
{
  std::vector<QString> values;
  for (const IssuerKey& key : IssuerKeys)
    values.push_back(settings.ReadString(IssuerSection, key.Name));
  return values;
}

[[noreturn]] void Fail(const char* what)
{
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  static const FuzzFile file(QStringLiteral("config.ini"));
  file.Write(data, size);
  const IniFile settings(file.Path());
  const std::vector<QString> before = IssuerValues(settings);
  const int counter = settings.ReadInteger(IssuerSection, CounterKey);
  const int next = counter == INT_MAX ? 1 : counter + 1;
  settings.WriteInteger(IssuerSection, CounterKey, next);
  if (settings.ReadInteger(IssuerSection, CounterKey) != next)
    Fail("The counter does not read back as written");
  if (IssuerValues(settings) != before)
    Fail("Writing the counter changed another key");
  return 0;
}
