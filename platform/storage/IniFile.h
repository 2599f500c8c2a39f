#pragma once

#include <QString>
#include <QStringView>

#include <memory>

namespace quitanza::platform {

class IniDocument;

// A settings file in INI form, opened afresh by every call and released at its
// end: nothing is cached (but in a Snapshot()), so a value written by one part
// of the program is what the next read anywhere sees.
//
// A missing file, section or key reads as the default (empty text, 0). Values
// are cut to 2047 characters. A write creates the file and the section when
// needed and replaces the file atomically; it fails with "Unable to write to
// <full path>" (FileError) and then leaves the file as it was. Files are
// written in UTF-8; one that is not valid UTF-8 is read as Windows-1252.
class IniFile {
public:
  static constexpr qsizetype MaxValueLength = 2047;

  explicit IniFile(QString fileName);

  const QString& FileName() const { return m_fileName; }

  // Throw FileError (UnableToRead) when the file exists but cannot be read:
  // reading it as empty would, for one, hand out receipt numbers again.
  QString ReadString(QStringView section, QStringView key, const QString& defaultValue = {}) const;
  // The default also when the value is not a decimal 32-bit integer.
  int ReadInteger(QStringView section, QStringView key, int defaultValue = 0) const;

  void WriteString(QStringView section, QStringView key, QStringView value) const;
  void WriteInteger(QStringView section, QStringView key, int value) const;

  // The settings as they are now, read once: its reads come from that copy,
  // not the file. For work that holds the data folder, so nobody else
  // writes, and reads a dozen values per receipt. Writes still go to the
  // file, and the copy (shared by copies of the snapshot) takes them too.
  IniFile Snapshot() const;

private:
  QString FileText() const;

  QString m_fileName;
  std::shared_ptr<IniDocument> m_snapshot;  // none: every read reads the file
};

}  // namespace quitanza::platform
