#include "platform/storage/StreamedRegisterFile.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/files/FileReplacement.h"
#include "platform/storage/FieldValue.h"
#include "platform/storage/RegisterFormat.h"

#include <QByteArrayView>
#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace quitanza::platform {

namespace {

constexpr qint64 WindowSize = 4 << 20;

// The file seen through a window mapped from a position on, moved forward as
// it is consumed: no byte is copied to be looked at, and memory stays at
// about a window whatever the file's size.
class FileWindow {
public:
  FileWindow(QFile& file, const QString& path, qint64 from) : m_file(file), m_path(path), m_offset(from), m_fileSize(file.size()) {}
  ~FileWindow() { Unmap(); }
  FileWindow(const FileWindow&) = delete;
  FileWindow& operator=(const FileWindow&) = delete;

  // At least `count` bytes from the current position, or false when the file ends first.
  bool Ensure(qsizetype count)
  {
    if (m_size - m_position >= count) return true;
    if (m_offset + m_position + count > m_fileSize) return false;
    m_offset += m_position;
    m_position = 0;
    Unmap();
    m_size = static_cast<qsizetype>(std::min(std::max<qint64>(WindowSize, count), m_fileSize - m_offset));
    m_data = m_file.map(m_offset, m_size);
    if (m_data == nullptr) throw FileError::UnableToRead(m_path, m_file.errorString());
    return true;
  }
  QByteArrayView Available() const { return {reinterpret_cast<const char*>(m_data) + m_position, m_size - m_position}; }
  void Skip(qsizetype count) { m_position += count; }
  qint64 Offset() const { return m_offset + m_position; }

private:
  void Unmap()
  {
    if (m_data != nullptr) m_file.unmap(m_data);
    m_data = nullptr;
    m_size = 0;
  }

  QFile& m_file;
  const QString& m_path;
  qint64 m_offset;  // of the window's first byte in the file
  qint64 m_fileSize;
  uchar* m_data = nullptr;
  qsizetype m_size = 0;
  qsizetype m_position = 0;
};

// What the bytes at a row's start hold: a whole row in our form (its length
// and receipt number), too few bytes to tell, or something we do not write.
struct RowShape {
  enum class Kind { Row, NeedMore, Foreign } Kind;
  qsizetype Length = 0;
  std::int32_t Codigo = 0;
};

// ` Name="` for each field, in field order, as the writer begins its values.
const std::vector<QByteArray>& ValueOpenings()
{
  static const std::vector<QByteArray> openings = [] {
    std::vector<QByteArray> texts;
    for (const FieldDef& field : ReceiptFields) texts.push_back(" " + field.Name.toUtf8() + "=\"");
    return texts;
  }();
  return openings;
}

// `<ROW`, then ` Name="value"` for each field in field order (the last ones
// may be left out when null), then `/>`: exactly how the writer makes a row.
// Values hold no `"` (the writer escapes it). This runs over every stored row
// on every issue, hence plain pointers.
RowShape ShapeOfRow(QByteArrayView bytes)
{
  static const std::size_t codigoField = static_cast<std::size_t>(FindField(u"Codigo") - ReceiptFields.data());
  static const std::size_t firstOptionalField = static_cast<std::size_t>(
    std::find_if(ReceiptFields.rbegin(), ReceiptFields.rend(), [](const FieldDef& def) { return !def.MayBeMissing; }).base() -
    ReceiptFields.begin());
  const std::vector<QByteArray>& openings = ValueOpenings();
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const auto startsWith = [end](const char* at, std::string_view text) {
    return static_cast<std::size_t>(end - at) >= text.size() && std::memcmp(at, text.data(), text.size()) == 0;
  };
  const auto tooShortFor = [end](const char* at, std::size_t size) { return static_cast<std::size_t>(end - at) < size; };

  if (tooShortFor(begin, 4)) return {RowShape::Kind::NeedMore};
  if (!startsWith(begin, "<ROW")) return {RowShape::Kind::Foreign};
  std::int32_t codigo = 0;
  const char* at = begin + 4;
  for (std::size_t field = 0;; ++field) {
    if (tooShortFor(at, 2)) return {RowShape::Kind::NeedMore};
    if (startsWith(at, "/>")) {
      if (field < firstOptionalField) return {RowShape::Kind::Foreign};
      return {RowShape::Kind::Row, at + 2 - begin, codigo};
    }
    if (field == openings.size()) return {RowShape::Kind::Foreign};
    const std::string_view opening(openings[field].constData(), static_cast<std::size_t>(openings[field].size()));
    if (tooShortFor(at, opening.size())) return {RowShape::Kind::NeedMore};
    if (!startsWith(at, opening)) return {RowShape::Kind::Foreign};
    const char* const value = at + opening.size();
    const char* const close = static_cast<const char*>(std::memchr(value, '"', static_cast<std::size_t>(end - value)));
    if (close == nullptr) return {RowShape::Kind::NeedMore};
    if (field == codigoField) {
      const auto parsed = std::from_chars(value, close, codigo);
      if (parsed.ec != std::errc() || parsed.ptr != close) return {RowShape::Kind::Foreign};
    }
    at = close + 1;
  }
}

}  // namespace

StreamedRegisterFile::StreamedRegisterFile(const QString& fullPath) : m_path(fullPath), m_file(fullPath) {}

std::unique_ptr<StreamedRegisterFile> StreamedRegisterFile::Open(const QString& path)
{
  std::unique_ptr<StreamedRegisterFile> file(new StreamedRegisterFile(QFileInfo(path).absoluteFilePath()));
  if (!file->m_file.open(QIODevice::ReadOnly)) throw FileError::UnableToRead(file->m_path, file->m_file.errorString());
  if (!file->Scan()) return nullptr;
  return file;
}

// Finds where every row lies and the highest number, checking on the way
// that the file is ours from its first byte to its last.
bool StreamedRegisterFile::Scan()
{
  const RegisterPacketText& packet = OwnRegisterPacketText();
  FileWindow reader(m_file, m_path, 0);
  if (!reader.Ensure(packet.Head.size()) || !reader.Available().startsWith(packet.Head)) return false;
  reader.Skip(packet.Head.size());
  for (;;) {
    reader.Ensure(packet.Tail.size());
    const QByteArrayView rest = reader.Available();
    if (rest.startsWith(packet.Tail)) {
      m_rowStarts.push_back(reader.Offset());
      reader.Skip(packet.Tail.size());
      return !reader.Ensure(1);
    }
    const RowShape row = ShapeOfRow(rest);
    if (row.Kind == RowShape::Kind::NeedMore) {
      if (!reader.Ensure(rest.size() + 1)) return false;
      continue;
    }
    // One byte that is not UTF-8 makes a reader take the whole file as
    // Windows-1252, the rows we would add included.
    if (row.Kind == RowShape::Kind::Foreign || !rest.first(row.Length).isValidUtf8()) return false;
    m_rowStarts.push_back(reader.Offset());
    m_highestCodigo = std::max(m_highestCodigo, row.Codigo);
    reader.Skip(row.Length);
  }
}

void StreamedRegisterFile::ForEachRecord(const std::function<void(const ReceiptRecord&)>& take)
{
  FileWindow reader(m_file, m_path, m_rowStarts.front());
  pugi::xml_document document;
  for (qsizetype i = 0; i < RowCount(); ++i) {
    const qsizetype length = m_rowStarts[i + 1] - m_rowStarts[i];
    if (!reader.Ensure(length)) throw FileError::UnableToRead(m_path, QStringLiteral("o arquivo ficou mais curto"));
    const QByteArrayView row = reader.Available().first(length);
    if (!document.load_buffer(row.data(), static_cast<std::size_t>(length), pugi::parse_default, pugi::encoding_utf8))
      throw std::logic_error("A row that passed the scan does not parse");
    ReceiptRecord record;
    try {
      record = ReadRegisterRow(document.first_child(), OwnRegisterFieldNames(), TextEncoding::Utf8, static_cast<std::size_t>(i) + 1);
    } catch (const std::runtime_error& error) {
      throw FileError::UnableToRead(m_path, QString::fromStdString(error.what()));
    }
    reader.Skip(length);
    take(record);
  }
}

void StreamedRegisterFile::WriteWithInsertions(const QString& path, const std::vector<Insertion>& insertions)
{
  const RegisterPacketText& packet = OwnRegisterPacketText();
  FileReplacement file(path);
  // The stored rows from `from` up to `to`, as they are in the file.
  const auto copyRows = [&](qsizetype from, qsizetype to) {
    const qint64 length = m_rowStarts[to] - m_rowStarts[from];
    if (file.CopyFrom(m_file.handle(), m_rowStarts[from], length) != length)
      throw FileError::UnableToRead(m_path, QStringLiteral("o arquivo ficou mais curto"));
  };
  const ByteSink sink = [&](QByteArrayView bytes) { file.Write(bytes); };
  SinkXmlWriter writer(sink);
  RegisterRowWriter rowWriter;
  sink(packet.Head);
  qsizetype copied = 0;   // stored rows written so far
  qsizetype written = 0;  // rows of the new register written so far
  for (const auto& [index, record] : insertions) {
    const qsizetype storedBefore = index - written;
    if (storedBefore < 0 || copied + storedBefore > RowCount())
      throw std::logic_error("Insertions out of order or beyond the register's end");
    copyRows(copied, copied + storedBefore);
    copied += storedBefore;
    rowWriter.Write(record, writer);
    written = index + 1;
  }
  copyRows(copied, RowCount());
  sink(packet.Tail);
  file.Commit();
}

}  // namespace quitanza::platform
