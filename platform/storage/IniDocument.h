#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quitanza::platform {

// The text of an INI file: "[SECTION]" headers and "KEY=value" lines. Section
// and key names match without regard to letter case, and only the first
// section of a name counts. Changing a value rewrites its one line, or adds
// the key at the end of its section (the section at the end of the file), and
// keeps every other line as it was, comments and blank lines included.
class IniDocument {
public:
  explicit IniDocument(const QString& text = {});

  // The value with surrounding blanks removed; nothing when the section or key is missing.
  std::optional<QString> Value(QStringView section, QStringView key) const;
  // Throws std::invalid_argument for names or values that would break the file's
  // lines (line breaks, "]" in a section, "=" in a key).
  void SetValue(QStringView section, QStringView key, QStringView value);

  // Lines joined by the line break the file already used ("\n" for a new file).
  QString ToText() const;

private:
  struct KeyLocation {
    qsizetype SectionLine = -1;  // -1: no such section
    qsizetype KeyLine = -1;      // -1: no such key in it
    qsizetype LastContentLine = -1;  // last non-blank line of the section
  };
  KeyLocation Locate(QStringView section, QStringView key) const;

  QStringList m_lines;
  QString m_lineBreak;
};

}  // namespace quitanza::platform
