#include "report/model/frxBinaryProps.h"

#include "report/model/frxErrors.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

EfrxError DamagedBlock() { return EfrxError(QStringLiteral(u"Dados de propriedade danificados")); }

}  // namespace

void TfrxBinaryWriter::WriteInt32(qint32 value)
{
  char bytes[4];
  qToLittleEndian(value, bytes);
  FData.append(bytes, 4);
}

void TfrxBinaryWriter::WritePropName(QStringView name)
{
  // Names are short identifiers: plain ASCII goes in with its length byte in
  // one append, without a UTF-8 temporary.
  char bytes[256];
  const bool ascii = std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
  if (ascii && name.size() < qsizetype(sizeof bytes)) {
    bytes[0] = static_cast<char>(name.size());
    for (qsizetype i = 0; i < name.size(); ++i)
      bytes[i + 1] = static_cast<char>(name[i].unicode());
    FData.append(bytes, name.size() + 1);
    return;
  }
  const QByteArray utf8 = name.toUtf8();
  FData.append(static_cast<char>(utf8.size()));
  FData.append(utf8);
}

void TfrxBinaryWriter::WriteInteger(qint32 value)
{
  if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
    FData.append(char(vaInt8));
    FData.append(static_cast<char>(value));
  } else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()) {
    FData.append(char(vaInt16));
    char bytes[2];
    qToLittleEndian(static_cast<qint16>(value), bytes);
    FData.append(bytes, 2);
  } else {
    FData.append(char(vaInt32));
    WriteInt32(value);
  }
}

void TfrxBinaryWriter::WriteString(const QString& value)
{
  const QByteArray utf8 = value.toUtf8();
  if (utf8.size() >= 2 * value.size()) {
    FData.append(char(vaWString));
    WriteInt32(static_cast<qint32>(value.size()));
    for (QChar c : value) {
      char bytes[2];
      qToLittleEndian(c.unicode(), bytes);
      FData.append(bytes, 2);
    }
    return;
  }
  bool eightBit = false;
  for (char b : utf8)
    eightBit = eightBit || static_cast<unsigned char>(b) >= 128;
  if (eightBit) {
    FData.append(char(vaUTF8String));
    WriteInt32(static_cast<qint32>(utf8.size()));
  } else if (utf8.size() >= 256) {
    FData.append(char(vaLString));
    WriteInt32(static_cast<qint32>(utf8.size()));
  } else {
    FData.append(char(vaString));
    FData.append(static_cast<char>(utf8.size()));
  }
  FData.append(utf8);
}

void TfrxBinaryWriter::WriteBinary(const QByteArray& data)
{
  FData.reserve(FData.size() + 5 + data.size());
  FData.append(char(vaBinary));
  WriteInt32(static_cast<qint32>(data.size()));
  FData.append(data);
}

std::uint8_t TfrxBinaryReader::ReadByte()
{
  if (FPos >= FData.size())
    throw DamagedBlock();
  return static_cast<std::uint8_t>(FData[FPos++]);
}

QByteArrayView TfrxBinaryReader::ReadBytes(qint64 count)
{
  if (count < 0 || count > FData.size() - FPos)
    throw DamagedBlock();
  const QByteArrayView bytes = QByteArrayView(FData).sliced(FPos, count);
  FPos += count;
  return bytes;
}

qint64 TfrxBinaryReader::ReadInt(int size)
{
  const QByteArrayView bytes = ReadBytes(size);
  switch (size) {
  case 1: return static_cast<qint8>(bytes[0]);
  case 2: return qFromLittleEndian<qint16>(bytes.constData());
  case 4: return qFromLittleEndian<qint32>(bytes.constData());
  default: return qFromLittleEndian<qint64>(bytes.constData());
  }
}

TValueType TfrxBinaryReader::ReadValueType()
{
  const std::uint8_t type = ReadByte();
  if (type > vaDouble)
    throw DamagedBlock();
  return static_cast<TValueType>(type);
}

TValueType TfrxBinaryReader::NextValue() const
{
  if (FPos >= FData.size())
    throw DamagedBlock();
  return static_cast<TValueType>(static_cast<std::uint8_t>(FData[FPos]));
}

QByteArrayView TfrxBinaryReader::ReadPropName()
{
  const std::uint8_t length = ReadByte();
  return ReadBytes(length);
}

qint32 TfrxBinaryReader::ReadInteger()
{
  switch (ReadValueType()) {
  case vaInt8: return static_cast<qint32>(ReadInt(1));
  case vaInt16: return static_cast<qint32>(ReadInt(2));
  case vaInt32: return static_cast<qint32>(ReadInt(4));
  default: throw DamagedBlock();
  }
}

QString TfrxBinaryReader::ReadString()
{
  switch (ReadValueType()) {
  case vaString: return QString::fromLatin1(ReadBytes(ReadByte()));
  case vaLString: return QString::fromLatin1(ReadBytes(ReadInt(4)));
  case vaUTF8String: return QString::fromUtf8(ReadBytes(ReadInt(4)));
  case vaWString: {
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

QByteArrayView TfrxBinaryReader::ReadBinary()
{
  if (ReadValueType() != vaBinary)
    throw DamagedBlock();
  return ReadBytes(ReadInt(4));
}

void TfrxBinaryReader::ReadListBegin()
{
  if (ReadValueType() != vaList)
    throw DamagedBlock();
}

void TfrxBinaryReader::ReadListEnd()
{
  if (ReadValueType() != vaNull)
    throw DamagedBlock();
}

void TfrxBinaryReader::SkipValue()
{
  switch (NextValue()) {
  case vaList:
    ReadListBegin();
    while (!EndOfList())
      SkipValue();
    ReadListEnd();
    return;
  case vaInt8: case vaInt16: case vaInt32:
    ReadInteger();
    return;
  case vaString: case vaLString: case vaUTF8String: case vaWString:
    ReadString();
    return;
  case vaBinary:
    ReadValueType();
    ReadBytes(ReadInt(4));
    return;
  case vaNull: case vaFalse: case vaTrue: case vaNil:
    ReadValueType();
    return;
  default:
    // Tags this system never writes are not skipped blindly.
    throw DamagedBlock();
  }
}

namespace {

// Eight upper-case digits at once: the writer's own form, which is what
// templates hold. Decodes them into four bytes and checks them by writing the
// bytes back; false for anything else (lower case included), which the
// table takes.
bool DecodeUpperHexWord(const unsigned char* digits, char* out)
{
  constexpr std::uint64_t kLow = 0x0F0F0F0F0F0F0F0FULL;
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  std::uint64_t word;
  std::memcpy(&word, digits, sizeof word);
  word = qFromLittleEndian(word);
  // '0'-'9' have bit 6 clear, 'A'-'F' set: their low four bits plus 9.
  const std::uint64_t nibbles = (word & kLow) + ((word >> 6) & kOnes) * 9;
  // 'G'-'O' come out as 16-24, which would write themselves back.
  if (((nibbles + 0x70 * kOnes) & (0x80 * kOnes)) != 0)
    return false;
  const std::uint64_t letters = ((nibbles + 6 * kOnes) >> 4) & kOnes;  // nibbles above 9
  if (nibbles + 0x30 * kOnes + letters * 7 != word)
    return false;
  const std::uint64_t pairs = ((nibbles << 4) | (nibbles >> 8)) & 0x00FF00FF00FF00FFULL;
  const std::uint64_t packed = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFFULL;
  const auto value = static_cast<std::uint32_t>(packed | (packed >> 16));
  const std::uint32_t little = qToLittleEndian(value);
  std::memcpy(out, &little, sizeof little);
  return true;
}

}  // namespace

void frxHexToBin(QByteArrayView text, QByteArray& bytes)
{
  static const std::array<std::int8_t, 256> kNibbles = [] {
    std::array<std::int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i)
      table[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(i);
    for (int i = 0; i < 6; ++i) {
      table[static_cast<std::size_t>('A' + i)] = static_cast<std::int8_t>(10 + i);
      table[static_cast<std::size_t>('a' + i)] = static_cast<std::int8_t>(10 + i);
    }
    return table;
  }();
  if (text.size() % 2 != 0)
    throw DamagedBlock();
  const qsizetype size = text.size() / 2;
  bytes.resize(size);
  const auto* digits = reinterpret_cast<const unsigned char*>(text.data());
  // Written through the raw pointer, up to a local count: indexing the array
  // checks for sharing, and its size may alias what is written.
  char* out = bytes.data();
  qsizetype i = 0;
  while (i + 4 <= size && DecodeUpperHexWord(digits + 2 * i, out + i))
    i += 4;
  int bad = 0;
  for (; i < size; ++i) {
    const unsigned char high = digits[2 * i], low = digits[2 * i + 1];
    const int h = kNibbles[high];
    const int l = kNibbles[low];
    bad |= h | l;
    out[i] = static_cast<char>((h << 4) | (l & 15));
  }
  if (bad < 0)
    throw DamagedBlock();
}
