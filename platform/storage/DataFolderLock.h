#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>
#include <memory>

namespace quitanza::platform {

// Keeps other Quitanza processes out of a data folder while this one holds
// its register: two processes saving the same register would each overwrite
// the other's receipts. The lock is a file in the folder and lasts as long as
// this object. A lock left behind by a process that died is taken over; one
// held by a live process is respected however old it is.
class DataFolderLock {
public:
  static constexpr const char16_t* LockFileName = u"quitanza.lock";

  // Waits up to `patience` for another process to let the folder go, then
  // throws std::runtime_error "Os dados em DIR estão em uso por outro processo
  // do Quitanza."; throws a FileError when the lock file cannot be created.
  explicit DataFolderLock(const QString& folder, std::chrono::milliseconds patience = {});

private:
  std::unique_ptr<QLockFile> m_lock;
};

}  // namespace quitanza::platform
