#include "platform/storage/RegisterFile.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/storage/FieldValue.h"
#include "platform/storage/LegacyText.h"

#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <exception>
#include <iterator>
#include <sstream>
#include <utility>

namespace quitanza::platform {

using namespace doclib;

namespace {

struct XmlTypeAttributes {
  const char* FieldType;
  const char* SubType;  // nullptr: none
};

XmlTypeAttributes XmlFieldType(FieldType type)
{
  switch (type) {
    case FieldType::String: return {"string", nullptr};
    case FieldType::Currency: return {"r8", "Money"};
    case FieldType::Memo: return {"bin.hex", "Text"};
    case FieldType::Integer: return {"i4", nullptr};
    case FieldType::DateTime: return {"dateTime", nullptr};
  }
  throw std::logic_error("Unknown field type");
}

class SinkWriter : public pugi::xml_writer {
public:
  explicit SinkWriter(const ByteSink& sink) : m_sink(sink) {}
  void write(const void* data, size_t size) override { m_sink(QByteArrayView(static_cast<const char*>(data), static_cast<qsizetype>(size))); }

private:
  const ByteSink& m_sink;
};

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
std::vector<const char*> FileFieldNames(pugi::xml_node packet)
{
  std::vector<const char*> names(ReceiptFields.size(), nullptr);
  for (pugi::xml_node field : packet.child("METADATA").child("FIELDS").children("FIELD")) {
    const char* name = field.attribute("attrname").value();
    if (const FieldDef* ours = FindField(QString::fromUtf8(name))) names[ours - ReceiptFields.data()] = name;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == nullptr && !ReceiptFields[i].MayBeMissing) throw std::runtime_error("falta o campo " + ReceiptFields[i].Name.toString().toStdString());
  }
  return names;
}

ReceiptRecord ReadRow(pugi::xml_node row, const std::vector<const char*>& fieldNames, TextEncoding encoding)
{
  ReceiptRecord record;
  for (std::size_t i = 0; i < ReceiptFields.size(); ++i) {
    if (fieldNames[i] == nullptr) continue;
    const pugi::xml_attribute value = row.attribute(fieldNames[i]);
    if (value.empty()) continue;  // a null value
    try {
      SetFieldText(record, ReceiptFields[i], DecodeText(value.value(), encoding));
    } catch (const std::exception& error) {
      throw std::runtime_error("campo " + ReceiptFields[i].Name.toString().toStdString() + ": " + error.what());
    }
  }
  return record;
}

std::vector<PackedRecord> ReadPacket(const pugi::xml_document& document, TextEncoding encoding)
{
  const pugi::xml_node packet = document.child("DATAPACKET");
  if (!packet) throw std::runtime_error("não é um registro de recibos (falta o elemento DATAPACKET)");
  const std::vector<const char*> fieldNames = FileFieldNames(packet);
  const auto rows = packet.child("ROWDATA").children("ROW");
  std::vector<PackedRecord> records;
  records.reserve(static_cast<std::size_t>(std::distance(rows.begin(), rows.end())));
  for (pugi::xml_node row : rows) {
    try {
      records.emplace_back(ReadRow(row, fieldNames, encoding));
    } catch (const std::exception& error) {
      throw std::runtime_error("linha " + std::to_string(records.size() + 1) + ", " + error.what());
    }
  }
  return records;
}

void AppendFieldDefinitions(pugi::xml_node fields)
{
  for (const FieldDef& def : ReceiptFields) {
    pugi::xml_node field = fields.append_child("FIELD");
    field.append_attribute("attrname").set_value(def.Name.toUtf8().constData());
    const XmlTypeAttributes type = XmlFieldType(def.DataType);
    field.append_attribute("fieldtype").set_value(type.FieldType);
    if (type.SubType != nullptr) field.append_attribute("SUBTYPE").set_value(type.SubType);
    if (def.DataType == FieldType::String) field.append_attribute("WIDTH").set_value(def.Size);
  }
}

// Rows are written one at a time through a single reused ROW element, so a
// save needs no copy of the whole register in memory. A null value is an
// attribute left out; only the last fields may be null, so the others keep
// their order.
void WriteRows(pugi::xml_writer& writer, const std::vector<PackedRecord>& records)
{
  pugi::xml_document scratch;
  pugi::xml_node row = scratch.append_child("ROW");
  std::array<pugi::xml_attribute, ReceiptFields.size()> values;
  for (const PackedRecord& packed : records) {
    const ReceiptRecord record = packed.Unpack();
    for (std::size_t i = 0; i < ReceiptFields.size(); ++i) {
      const QString text = FieldText(record, ReceiptFields[i]);
      if (text.isEmpty() && ReceiptFields[i].MayBeMissing) {
        if (values[i]) row.remove_attribute(values[i]);
        values[i] = pugi::xml_attribute();
        continue;
      }
      if (!values[i]) values[i] = row.append_attribute(ReceiptFields[i].Name.toUtf8().constData());
      values[i].set_value(text.toUtf8().constData());
    }
    row.print(writer, "", pugi::format_raw);
  }
}

// The packet without its rows, split where they go.
std::pair<std::string, std::string> PacketAroundRows()
{
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  declaration.append_attribute("standalone").set_value("yes");
  pugi::xml_node packet = document.append_child("DATAPACKET");
  packet.append_attribute("Version").set_value("2.0");
  pugi::xml_node metadata = packet.append_child("METADATA");
  AppendFieldDefinitions(metadata.append_child("FIELDS"));
  metadata.append_child("PARAMS");
  packet.append_child("ROWDATA");

  std::ostringstream text;
  document.save(text, "", pugi::format_raw);
  const std::string whole = text.str();
  const std::string emptyRows = "<ROWDATA/>";
  const std::size_t at = whole.find(emptyRows);
  if (at == std::string::npos) throw std::logic_error("The data packet has no ROWDATA element");
  return {whole.substr(0, at) + "<ROWDATA>", "</ROWDATA>" + whole.substr(at + emptyRows.size())};
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
  // Plain references, not a structured binding: clang 14 (the fuzz build)
  // cannot capture one.
  const auto packet = PacketAroundRows();
  const std::string& head = packet.first;
  const std::string& tail = packet.second;
  WriteFileAtomically(path, [&](const ByteSink& sink) {
    SinkWriter writer(sink);
    sink(QByteArrayView(head.data(), static_cast<qsizetype>(head.size())));
    WriteRows(writer, records);
    sink(QByteArrayView(tail.data(), static_cast<qsizetype>(tail.size())));
  });
}

}  // namespace quitanza::platform
