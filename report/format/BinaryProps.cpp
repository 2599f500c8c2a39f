#include "report/format/BinaryProps.h"

#include "report/format/Errors.h"

#include <QtEndian>

#include <cstdint>
#include <limits>

namespace quitanza::report {

namespace {

ReportError DamagedBlock() { return ReportError(QStringLiteral(u"Dados de propriedade danificados")); }

}  // namespace

void BinaryWriter::WriteInt32(qint32 value)
{
  char bytes[4];
  qToLittleEndian(value, bytes);
  m_data.append(bytes, 4);
}

void BinaryWriter::WritePropName(QStringView name)
{
  const QByteArray utf8 = name.toUtf8();
  m_data.append(static_cast<char>(utf8.size()));
  m_data.append(utf8);
}

void BinaryWriter::WriteInteger(qint32 value)
{
  if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
    m_data.append(char(ValueType::Int8));
    m_data.append(static_cast<char>(value));
  } else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()) {
    m_data.append(char(ValueType::Int16));
    char bytes[2];
    qToLittleEndian(static_cast<qint16>(value), bytes);
    m_data.append(bytes, 2);
  } else {
    m_data.append(char(ValueType::Int32));
    WriteInt32(value);
  }
}

void BinaryWriter::WriteString(const QString& value)
{
  const QByteArray utf8 = value.toUtf8();
  if (utf8.size() >= 2 * value.size()) {
    m_data.append(char(ValueType::WString));
    WriteInt32(static_cast<qint32>(value.size()));
    for (QChar c : value) {
      char bytes[2];
      qToLittleEndian(c.unicode(), bytes);
      m_data.append(bytes, 2);
    }
    return;
  }
  bool eightBit = false;
  for (char b : utf8)
    eightBit = eightBit || static_cast<unsigned char>(b) >= 128;
  if (eightBit) {
    m_data.append(char(ValueType::UTF8String));
    WriteInt32(static_cast<qint32>(utf8.size()));
  } else if (utf8.size() >= 256) {
    m_data.append(char(ValueType::LString));
    WriteInt32(static_cast<qint32>(utf8.size()));
  } else {
    m_data.append(char(ValueType::String));
    m_data.append(static_cast<char>(utf8.size()));
  }
  m_data.append(utf8);
}

void BinaryWriter::WriteBinary(const QByteArray& data)
{
  m_data.append(char(ValueType::Binary));
  WriteInt32(static_cast<qint32>(data.size()));
  m_data.append(data);
}

std::uint8_t BinaryReader::ReadByte()
{
  if (m_pos >= m_data.size())
    throw DamagedBlock();
  return static_cast<std::uint8_t>(m_data[m_pos++]);
}

QByteArrayView BinaryReader::ReadBytes(qint64 count)
{
  if (count < 0 || count > m_data.size() - m_pos)
    throw DamagedBlock();
  const QByteArrayView bytes = QByteArrayView(m_data).sliced(m_pos, count);
  m_pos += count;
  return bytes;
}

qint64 BinaryReader::ReadInt(int size)
{
  const QByteArrayView bytes = ReadBytes(size);
  switch (size) {
  case 1: return static_cast<qint8>(bytes[0]);
  case 2: return qFromLittleEndian<qint16>(bytes.constData());
  case 4: return qFromLittleEndian<qint32>(bytes.constData());
  default: return qFromLittleEndian<qint64>(bytes.constData());
  }
}

ValueType BinaryReader::ReadValueType()
{
  const std::uint8_t type = ReadByte();
  if (type > static_cast<std::uint8_t>(ValueType::Double))
    throw DamagedBlock();
  return static_cast<ValueType>(type);
}

ValueType BinaryReader::NextValue() const
{
  if (m_pos >= m_data.size())
    throw DamagedBlock();
  return static_cast<ValueType>(static_cast<std::uint8_t>(m_data[m_pos]));
}

QByteArrayView BinaryReader::ReadPropName()
{
  const std::uint8_t length = ReadByte();
  return ReadBytes(length);
}

qint32 BinaryReader::ReadInteger()
{
  switch (ReadValueType()) {
  case ValueType::Int8: return static_cast<qint32>(ReadInt(1));
  case ValueType::Int16: return static_cast<qint32>(ReadInt(2));
  case ValueType::Int32: return static_cast<qint32>(ReadInt(4));
  default: throw DamagedBlock();
  }
}

QString BinaryReader::ReadString()
{
  switch (ReadValueType()) {
  case ValueType::String: return QString::fromLatin1(ReadBytes(ReadByte()));
  case ValueType::LString: return QString::fromLatin1(ReadBytes(ReadInt(4)));
  case ValueType::UTF8String: return QString::fromUtf8(ReadBytes(ReadInt(4)));
  case ValueType::WString: {
    const qint64 count = ReadInt(4);
    const QByteArrayView units = ReadBytes(count * 2);
    QString text(count, Qt::Uninitialized);
    for (qint64 i = 0; i < count; ++i)
      text[i] = QChar(qFromLittleEndian<quint16>(units.constData() + 2 * i));
    return text;
  }
  default: throw DamagedBlock();
  }
}

QByteArrayView BinaryReader::ReadBinary()
{
  if (ReadValueType() != ValueType::Binary)
    throw DamagedBlock();
  return ReadBytes(ReadInt(4));
}

void BinaryReader::ReadListBegin()
{
  if (ReadValueType() != ValueType::List)
    throw DamagedBlock();
}

void BinaryReader::ReadListEnd()
{
  if (ReadValueType() != ValueType::Null)
    throw DamagedBlock();
}

void BinaryReader::SkipValue()
{
  switch (NextValue()) {
  case ValueType::List:
    ReadListBegin();
    while (!EndOfList())
      SkipValue();
    ReadListEnd();
    return;
  case ValueType::Int8: case ValueType::Int16: case ValueType::Int32:
    ReadInteger();
    return;
  case ValueType::String: case ValueType::LString: case ValueType::UTF8String: case ValueType::WString:
    ReadString();
    return;
  case ValueType::Binary:
    ReadValueType();
    ReadBytes(ReadInt(4));
    return;
  case ValueType::Null: case ValueType::False: case ValueType::True: case ValueType::Nil:
    ReadValueType();
    return;
  default:
    // Tags this system never writes are not skipped blindly.
    throw DamagedBlock();
  }
}

QByteArray HexToBin(QByteArrayView text)
{
  auto nibble = [](char c) {
    if (c >= '0' && c <= '9')
      return c - '0';
    if (c >= 'A' && c <= 'F')
      return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
      return c - 'a' + 10;
    throw DamagedBlock();
  };
  if (text.size() % 2 != 0)
    throw DamagedBlock();
  QByteArray bytes(text.size() / 2, Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(nibble(text[2 * i]) << 4 | nibble(text[2 * i + 1]));
  return bytes;
}

}  // namespace quitanza::report
