#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quitanza::report {

// The binary property format of PropData blocks: a sequence of properties,
// each a length-prefixed name followed by one tagged value.
enum ValueType : std::uint8_t {
  vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5, vaString = 6,
  vaIdent = 7, vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11, vaLString = 12, vaNil = 13,
  vaCollection = 14, vaSingle = 15, vaCurrency = 16, vaDate = 17, vaWString = 18, vaInt64 = 19,
  vaUTF8String = 20, vaDouble = 21
};

class BinaryWriter {
public:
  void WritePropName(QStringView name);
  void WriteInteger(qint32 value);
  void WriteString(const QString& value);
  void WriteBinary(const QByteArray& data);
  void WriteListBegin() { m_data.append(char(vaList)); }
  void WriteListEnd() { m_data.append(char(vaNull)); }
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
  bool EndOfList() const { return NextValue() == vaNull; }
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
