#include "platform/storage/RegisterFile.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/storage/FieldValue.h"
#include "platform/storage/RegisterFormat.h"

#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <exception>
#include <iterator>

namespace quitanza::platform {

using namespace doclib;

namespace {

// pugixml describes its errors in English; the operator reads Portuguese.
QString XmlErrorText(pugi::xml_parse_status status)
{
  switch (status) {
  case pugi::status_ok: break;
  case pugi::status_file_not_found:
  case pugi::status_io_error: return QStringLiteral(u"o arquivo não pôde ser lido");
  case pugi::status_out_of_memory: return QStringLiteral(u"falta memória");
  case pugi::status_internal_error: return QStringLiteral(u"erro interno do leitor de XML");
  case pugi::status_unrecognized_tag: return QStringLiteral(u"marca que não se reconhece");
  case pugi::status_bad_pi:
  case pugi::status_bad_comment:
  case pugi::status_bad_cdata:
  case pugi::status_bad_doctype:
  case pugi::status_bad_pcdata: return QStringLiteral(u"texto malformado");
  case pugi::status_bad_start_element:
  case pugi::status_bad_attribute:
  case pugi::status_bad_end_element: return QStringLiteral(u"elemento malformado");
  case pugi::status_end_element_mismatch: return QStringLiteral(u"um elemento se fecha com outro nome");
  case pugi::status_append_invalid_root:
  case pugi::status_no_document_element: return QStringLiteral(u"não há elemento raiz");
  }
  return QStringLiteral(u"erro desconhecido");
}

qsizetype LineAt(const QByteArray& bytes, std::ptrdiff_t offset)
{
  return bytes.first(std::clamp<qsizetype>(offset, 0, bytes.size())).count('\n') + 1;
}

// The file's FIELD for each of our fields, in our order; the file may list
// them in any order. A field added later may be missing (nullptr).
RegisterFieldNames FileFieldNames(pugi::xml_node packet)
{
  RegisterFieldNames names(ReceiptFields.size(), nullptr);
  for (pugi::xml_node field : packet.child("METADATA").child("FIELDS").children("FIELD")) {
    const char* name = field.attribute("attrname").value();
    if (const FieldDef* ours = FindField(QString::fromUtf8(name))) names[ours - ReceiptFields.data()] = name;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == nullptr && !ReceiptFields[i].MayBeMissing) throw std::runtime_error("falta o campo " + ReceiptFields[i].Name.toString().toStdString());
  }
  return names;
}

std::vector<PackedRecord> ReadPacket(const pugi::xml_document& document, TextEncoding encoding)
{
  const pugi::xml_node packet = document.child("DATAPACKET");
  if (!packet) throw std::runtime_error("não é um registro de recibos (falta o elemento DATAPACKET)");
  const RegisterFieldNames fieldNames = FileFieldNames(packet);
  const auto rows = packet.child("ROWDATA").children("ROW");
  std::vector<PackedRecord> records;
  records.reserve(static_cast<std::size_t>(std::distance(rows.begin(), rows.end())));
  for (pugi::xml_node row : rows) records.emplace_back(ReadRegisterRow(row, fieldNames, encoding, records.size() + 1));
  return records;
}

}  // namespace

std::vector<PackedRecord> ReadRegisterFile(const QString& path)
{
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  QByteArray bytes = ReadWholeFile(fullPath);
  const TextEncoding encoding = DetectTextEncoding(bytes);
  pugi::xml_document document;
  // Parsed as raw bytes: Windows-1252 values pass through untouched and are decoded per value.
  const pugi::xml_parse_result parsed = document.load_buffer_inplace(bytes.data(), static_cast<size_t>(bytes.size()),
                                                                     pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    // The parse has changed the buffer in place: lines are counted in the file as it is.
    const qsizetype line = LineAt(ReadWholeFile(fullPath), parsed.offset);
    throw FileError::UnableToRead(fullPath, QStringLiteral(u"XML inválido na linha %1: %2").arg(line).arg(XmlErrorText(parsed.status)));
  }
  try {
    return ReadPacket(document, encoding);
  } catch (const std::runtime_error& error) {
    throw FileError::UnableToRead(fullPath, QString::fromStdString(error.what()));
  }
}

void WriteRegisterFile(const QString& path, const std::vector<PackedRecord>& records)
{
  const RegisterPacketText& packet = OwnRegisterPacketText();
  WriteFileAtomically(path, [&](const ByteSink& sink) {
    SinkXmlWriter writer(sink);
    RegisterRowWriter rows;
    sink(packet.Head);
    for (const PackedRecord& record : records) rows.Write(record.Unpack(), writer);
    sink(packet.Tail);
  });
}

}  // namespace quitanza::platform
