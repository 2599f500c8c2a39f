// The other process in the storage tests. Commands:
//   hold-lock DIR                 locks DIR, prints "locked", holds it until stdin closes
//   try-lock DIR                  locks DIR and exits at once, printing the error when it fails
//   save-register PATH ROWS LIMIT saves ROWS sample receipts to PATH
//   insert-register PATH ROWS LIMIT puts ROWS sample receipts in front of PATH's rows
//   write-ini PATH LENGTH LIMIT   writes a LENGTH-character value to PATH
// LIMIT caps the size of files this process may write (RLIMIT_FSIZE). With
// "--fail-writes" after it, writes past the cap fail as on a full disk; without,
// the process is killed (SIGXFSZ) in the middle of writing.
#include "platform/storage/DataFolderLock.h"
#include "platform/storage/IniFile.h"
#include "platform/storage/RegisterFile.h"
#include "platform/storage/StreamedRegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include <sys/resource.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

void LimitFileSize(const char* limit, bool failWrites)
{
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  const rlim_t bytes = std::stoull(limit);
  const rlimit fileSize{bytes, bytes};
  setrlimit(RLIMIT_FSIZE, &fileSize);
  if (failWrites) std::signal(SIGXFSZ, SIG_IGN);
}

QString Arg(char* text)
{
  return QString::fromLocal8Bit(text);
}

int Run(int argc, char** argv)
{
  const std::string command = argv[1];
  if (command == "hold-lock" || command == "try-lock") {
    DataFolderLock lock(Arg(argv[2]));
    std::cout << "locked" << std::endl;
    if (command == "hold-lock") {
      std::string line;
      std::getline(std::cin, line);
    }
    return 0;
  }
  if (argc < 5) return 64;
  LimitFileSize(argv[4], argc > 5 && std::strcmp(argv[5], "--fail-writes") == 0);
  if (command == "save-register") {
    WriteRegisterFile(Arg(argv[2]), Packed(SampleRecords(std::stoi(argv[3]))));
    return 0;
  }
  if (command == "insert-register") {
    std::vector<StreamedRegisterFile::Insertion> insertions;
    for (int row = 0; row < std::stoi(argv[3]); ++row) insertions.emplace_back(row, SampleRecord(1000 + row));
    const auto stored = StreamedRegisterFile::Open(Arg(argv[2]));
    if (!stored) return 3;
    stored->WriteWithInsertions(Arg(argv[2]), insertions);
    return 0;
  }
  if (command == "write-ini") {
    IniFile(Arg(argv[2])).WriteString(u"EMITENTE", u"EMPRESA", QString(std::stoi(argv[3]), u'x'));
    return 0;
  }
  return 64;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc < 3) return 64;
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << error.what() << std::endl;
    return 2;
  }
}
