#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quitanza::report {

// The binary property format of PropData blocks: a sequence of properties,
// each a length-prefixed name followed by one tagged value.
enum class ValueType : std::uint8_t {
  Null = 0, List = 1, Int8 = 2, Int16 = 3, Int32 = 4, Extended = 5, String = 6,
  Ident = 7, False = 8, True = 9, Binary = 10, Set = 11, LString = 12, Nil = 13,
  Collection = 14, Single = 15, Currency = 16, Date = 17, WString = 18, Int64 = 19,
  UTF8String = 20, Double = 21
};

class BinaryWriter {
public:
  void WritePropName(QStringView name);
  void WriteInteger(qint32 value);
  void WriteString(const QString& value);
  void WriteBinary(const QByteArray& data);
  void WriteListBegin() { m_data.append(char(ValueType::List)); }
  void WriteListEnd() { m_data.append(char(ValueType::Null)); }
  const QByteArray& Data() const { return m_data; }

private:
  void WriteInt32(qint32 value);
  QByteArray m_data;
};

// Every read checks the remaining length; a damaged block raises ReportError.
class BinaryReader {
public:
  // The block must outlive the reader.
  explicit BinaryReader(QByteArrayView data) : m_data(data) {}

  bool AtEnd() const { return m_pos >= m_data.size(); }
  // Names and binary values are views into the block.
  QByteArrayView ReadPropName();
  ValueType NextValue() const;
  qint32 ReadInteger();
  QString ReadString();
  QByteArrayView ReadBinary();
  void ReadListBegin();
  bool EndOfList() const { return NextValue() == ValueType::Null; }
  void ReadListEnd();
  void SkipValue();

private:
  std::uint8_t ReadByte();
  QByteArrayView ReadBytes(qint64 count);
  qint64 ReadInt(int size);
  ValueType ReadValueType();

  QByteArrayView m_data;
  qsizetype m_pos = 0;
};

// PropData text is two hexadecimal digits per byte (written upper case);
// reading accepts either case and fails on anything else.
QByteArray HexToBin(QByteArrayView text);

}  // namespace quitanza::report
