#include "platform/storage/IniFile.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/storage/IniDocument.h"
#include "platform/storage/LegacyText.h"

#include <QFileInfo>

namespace {

QByteArrayView WithoutByteOrderMark(QByteArrayView bytes)
{
  return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

QString CutToMaxLength(QString value)
{
  if (value.size() <= TIniFile::MaxValueLength) return value;
  value.truncate(TIniFile::MaxValueLength);
  if (value.back().isHighSurrogate()) value.chop(1);  // never leave half a character
  return value;
}

}  // namespace

TIniFile::TIniFile(QString fileName) : FFileName(QFileInfo(fileName).absoluteFilePath()) {}

QString TIniFile::ReadText() const
{
  if (!QFileInfo::exists(FFileName)) return {};
  const QByteArray bytes = ReadWholeFile(FFileName);
  const QByteArrayView text = WithoutByteOrderMark(bytes);
  return DecodeText(text, DetectTextEncoding(text));
}

QString TIniFile::ReadString(QStringView section, QStringView key, const QString& defaultValue) const
{
  const auto value = TIniDocument(ReadText()).Value(section, key);
  return value ? CutToMaxLength(*value) : defaultValue;
}

int TIniFile::ReadInteger(QStringView section, QStringView key, int defaultValue) const
{
  bool ok = false;
  const int value = ReadString(section, key).toInt(&ok, 10);
  return ok ? value : defaultValue;
}

void TIniFile::WriteString(QStringView section, QStringView key, QStringView value) const
{
  try {
    TIniDocument document(ReadText());
    document.SetValue(section, key, value);
    WriteFileAtomically(FFileName, document.ToText().toUtf8());
  } catch (const TFileError& error) {
    throw TFileError(QStringLiteral("Unable to write to %1").arg(FFileName), FFileName, error.Reason());
  }
}

void TIniFile::WriteInteger(QStringView section, QStringView key, int value) const
{
  WriteString(section, key, QString::number(value));
}
