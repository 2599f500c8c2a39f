#pragma once

#include "platform/files/AtomicFile.h"
#include "platform/storage/LegacyText.h"
#include "platform/storage/ReceiptRecord.h"

#include <pugixml.hpp>

#include <QByteArray>

#include <array>
#include <vector>

// The register file's XML as this program writes it, shared by the reader that
// takes a file whole and the one that goes through it a row at a time.
namespace quitanza::platform {

// The packet without its rows, split where they go: the first part ends with
// <ROWDATA>, the second starts with </ROWDATA>.
struct RegisterPacketText {
  QByteArray Head;
  QByteArray Tail;
};
const RegisterPacketText& OwnRegisterPacketText();

// The attribute names of our fields in a file, in our field order; nullptr
// for a field the file lacks.
using RegisterFieldNames = std::vector<const char*>;
const RegisterFieldNames& OwnRegisterFieldNames();

// pugixml's output into a file being written.
class SinkXmlWriter : public pugi::xml_writer {
public:
  explicit SinkXmlWriter(const ByteSink& sink) : m_sink(sink) {}
  void write(const void* data, size_t size) override
  {
    m_sink(QByteArrayView(static_cast<const char*>(data), static_cast<qsizetype>(size)));
  }

private:
  const ByteSink& m_sink;
};

// A ROW element as a record; the message of what it throws names the row
// (counted from 1) and the field.
ReceiptRecord ReadRegisterRow(pugi::xml_node row, const RegisterFieldNames& names, TextEncoding encoding, std::size_t rowNumber);

// Writes rows one at a time through a single reused ROW element, so a save
// needs no copy of the whole register in memory. A null value is an attribute
// left out; only the last fields may be null, so the others keep their order.
class RegisterRowWriter {
public:
  RegisterRowWriter();
  void Write(const ReceiptRecord& record, pugi::xml_writer& writer);

private:
  pugi::xml_document m_scratch;
  pugi::xml_node m_row;
  std::array<pugi::xml_attribute, ReceiptFields.size()> m_values;
};

}  // namespace quitanza::platform
