#include "platform/storage/IniDocument.h"

#include <stdexcept>

namespace quitanza::platform {

namespace {

bool IsComment(QStringView trimmedLine)
{
  return trimmedLine.startsWith(u';');
}

std::optional<QStringView> SectionName(QStringView line)
{
  const QStringView trimmed = line.trimmed();
  if (!trimmed.startsWith(u'[')) return std::nullopt;
  const qsizetype close = trimmed.indexOf(u']');
  return trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1).trimmed();
}

struct KeyAndValue {
  QStringView Key;
  QStringView Value;
};

std::optional<KeyAndValue> KeyLine(QStringView line)
{
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0 || IsComment(line.trimmed())) return std::nullopt;
  return KeyAndValue{line.first(equals).trimmed(), line.sliced(equals + 1).trimmed()};
}

bool SameName(QStringView a, QStringView b)
{
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

void CheckNoLineBreak(QStringView text, const char* what)
{
  if (text.contains(u'\n') || text.contains(u'\r')) {
    throw std::invalid_argument(std::string("An INI ") + what + " cannot hold a line break");
  }
}

}  // namespace

IniDocument::IniDocument(const QString& text)
  : m_lineBreak(text.contains(u"\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\n"))
{
  if (text.isEmpty()) return;
  m_lines = text.split(u'\n');
  if (m_lines.last().isEmpty()) m_lines.removeLast();  // the break that ends the last line
  for (QString& line : m_lines) {
    if (line.endsWith(u'\r')) line.chop(1);
  }
}

IniDocument::KeyLocation IniDocument::Locate(QStringView section, QStringView key) const
{
  KeyLocation location;
  for (qsizetype i = 0; i < m_lines.size(); ++i) {
    const QStringView line = m_lines[i];
    if (const auto name = SectionName(line)) {
      if (location.SectionLine >= 0) break;  // end of the section we were in
      if (SameName(*name, section)) location.SectionLine = location.LastContentLine = i;
      continue;
    }
    if (location.SectionLine < 0) continue;
    if (!line.trimmed().isEmpty()) location.LastContentLine = i;
    if (location.KeyLine < 0) {
      if (const auto keyLine = KeyLine(line); keyLine && SameName(keyLine->Key, key)) location.KeyLine = i;
    }
  }
  return location;
}

std::optional<QString> IniDocument::Value(QStringView section, QStringView key) const
{
  const KeyLocation location = Locate(section, key);
  if (location.KeyLine < 0) return std::nullopt;
  return KeyLine(m_lines[location.KeyLine])->Value.toString();
}

void IniDocument::SetValue(QStringView section, QStringView key, QStringView value)
{
  CheckNoLineBreak(section, "section name");
  CheckNoLineBreak(key, "key");
  CheckNoLineBreak(value, "value");
  if (section.contains(u']')) throw std::invalid_argument("An INI section name cannot hold ']'");
  if (key.contains(u'=') || key.trimmed().isEmpty()) throw std::invalid_argument("An INI key must be a name without '='");

  const auto keyLine = [value](QStringView name) { return name.toString() + u'=' + value.toString(); };
  const KeyLocation location = Locate(section, key);
  if (location.KeyLine >= 0) {
    QString& line = m_lines[location.KeyLine];
    line = keyLine(KeyLine(line)->Key);  // the key as the file spells it
  } else if (location.SectionLine >= 0) {
    m_lines.insert(location.LastContentLine + 1, keyLine(key));
  } else {
    m_lines.append(u'[' + section.toString() + u']');
    m_lines.append(keyLine(key));
  }
}

QString IniDocument::ToText() const
{
  return m_lines.isEmpty() ? QString() : m_lines.join(m_lineBreak) + m_lineBreak;
}

}  // namespace quitanza::platform
