#include "platform/storage/RegisterFormat.h"

#include "platform/storage/FieldValue.h"

#include <exception>
#include <sstream>
#include <stdexcept>

namespace quitanza::platform {

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

RegisterPacketText MakeRegisterPacketText()
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
  return {QByteArray::fromStdString(whole.substr(0, at) + "<ROWDATA>"),
          QByteArray::fromStdString("</ROWDATA>" + whole.substr(at + emptyRows.size()))};
}

}  // namespace

const RegisterPacketText& OwnRegisterPacketText()
{
  static const RegisterPacketText text = MakeRegisterPacketText();
  return text;
}

const RegisterFieldNames& OwnRegisterFieldNames()
{
  static const std::vector<std::string> utf8 = [] {
    std::vector<std::string> names;
    for (const FieldDef& field : ReceiptFields) names.push_back(field.Name.toString().toStdString());
    return names;
  }();
  static const RegisterFieldNames names = [] {
    RegisterFieldNames pointers;
    for (const std::string& name : utf8) pointers.push_back(name.c_str());
    return pointers;
  }();
  return names;
}

ReceiptRecord ReadRegisterRow(pugi::xml_node row, const RegisterFieldNames& names, TextEncoding encoding, std::size_t rowNumber)
{
  ReceiptRecord record;
  for (std::size_t i = 0; i < ReceiptFields.size(); ++i) {
    if (names[i] == nullptr) continue;
    const pugi::xml_attribute value = row.attribute(names[i]);
    if (value.empty()) continue;  // a null value
    try {
      SetFieldText(record, ReceiptFields[i], DecodeText(value.value(), encoding));
    } catch (const std::exception& error) {
      throw std::runtime_error("linha " + std::to_string(rowNumber) + ", campo " +
                               ReceiptFields[i].Name.toString().toStdString() + ": " + error.what());
    }
  }
  return record;
}

RegisterRowWriter::RegisterRowWriter() : m_row(m_scratch.append_child("ROW")) {}

void RegisterRowWriter::Write(const ReceiptRecord& record, pugi::xml_writer& writer)
{
  for (std::size_t i = 0; i < ReceiptFields.size(); ++i) {
    const QString text = FieldText(record, ReceiptFields[i]);
    if (text.isEmpty() && ReceiptFields[i].MayBeMissing) {
      if (m_values[i]) m_row.remove_attribute(m_values[i]);
      m_values[i] = pugi::xml_attribute();
      continue;
    }
    if (!m_values[i]) m_values[i] = m_row.append_attribute(ReceiptFields[i].Name.toUtf8().constData());
    m_values[i].set_value(text.toUtf8().constData());
  }
  m_row.print(writer, "", pugi::format_raw);
}

}  // namespace quitanza::platform
