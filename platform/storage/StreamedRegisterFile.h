#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quitanza::platform {

// A register file in exactly the form WriteRegisterFile gives it, gone through
// in pieces instead of read whole: issuing copies the stored rows' bytes
// behind the new one, listing decodes one row at a time, and neither holds
// the register in memory. Anything else (another writer's file, an older
// form, a damaged one) is not taken, and its callers read it whole, which
// also reports what is wrong with it.
//
// The file stays open, so a writer that replaces it meanwhile does not
// change what this object reads.
class StreamedRegisterFile {
public:
  // The file at `path` when it is in our form; nullptr when it is not.
  // Throws FileError (UnableToRead) when it cannot be opened or read.
  static std::unique_ptr<StreamedRegisterFile> Open(const QString& path);

  qsizetype RowCount() const { return static_cast<qsizetype>(m_rowStarts.size()) - 1; }
  // The greatest receipt number stored; 0 for none.
  std::int32_t HighestCodigo() const { return m_highestCodigo; }

  // Every row, in register order. Throws FileError (UnableToRead) for a value
  // its field cannot take, naming the row as ReadRegisterFile does.
  void ForEachRecord(const std::function<void(const ReceiptRecord&)>& take);

  // A record put in at its index in the register being written.
  using Insertion = std::pair<qsizetype, ReceiptRecord>;
  // Writes the register at `path`, atomically, as the stored rows with the
  // insertions (by ascending index) put in: byte for byte what
  // WriteRegisterFile writes for the same rows. `path` may be this file's:
  // this object goes on reading the file it opened, not the one written.
  void WriteWithInsertions(const QString& path, const std::vector<Insertion>& insertions);

private:
  StreamedRegisterFile(const QString& fullPath);
  bool Scan();

  QString m_path;
  QFile m_file;
  std::vector<qint64> m_rowStarts;  // where each row starts, then where the rows end
  std::int32_t m_highestCodigo = 0;
};

}  // namespace quitanza::platform
