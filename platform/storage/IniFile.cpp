#include "platform/storage/IniFile.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/storage/IniDocument.h"
#include "platform/storage/LegacyText.h"

#include <QFileInfo>

namespace quitanza::platform {

namespace {

QString CutToMaxLength(QString value)
{
  if (value.size() <= IniFile::MaxValueLength) return value;
  value.truncate(IniFile::MaxValueLength);
  if (value.back().isHighSurrogate()) value.chop(1);  // never leave half a character
  return value;
}

}  // namespace

IniFile::IniFile(QString fileName) : m_fileName(QFileInfo(fileName).absoluteFilePath()) {}

IniFile IniFile::Snapshot() const
{
  IniFile snapshot(m_fileName);
  snapshot.m_snapshot = std::make_shared<IniDocument>(m_snapshot ? *m_snapshot : IniDocument(FileText()));
  return snapshot;
}

QString IniFile::FileText() const
{
  if (!QFileInfo::exists(m_fileName)) return {};
  return DecodeTextFile(ReadWholeFile(m_fileName));
}

QString IniFile::ReadString(QStringView section, QStringView key, const QString& defaultValue) const
{
  const auto value = m_snapshot ? m_snapshot->Value(section, key) : IniDocument(FileText()).Value(section, key);
  return value ? CutToMaxLength(*value) : defaultValue;
}

int IniFile::ReadInteger(QStringView section, QStringView key, int defaultValue) const
{
  bool ok = false;
  const int value = ReadString(section, key).toInt(&ok, 10);
  return ok ? value : defaultValue;
}

void IniFile::WriteString(QStringView section, QStringView key, QStringView value) const
{
  try {
    platform::IniDocument document(FileText());
    document.SetValue(section, key, value);
    WriteFileAtomically(m_fileName, document.ToText().toUtf8());
    if (m_snapshot) *m_snapshot = document;
  } catch (const FileError& error) {
    throw FileError(QStringLiteral("Unable to write to %1").arg(m_fileName), m_fileName, error.Reason());
  }
}

void IniFile::WriteInteger(QStringView section, QStringView key, int value) const
{
  WriteString(section, key, QString::number(value));
}

}  // namespace quitanza::platform
