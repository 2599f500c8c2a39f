#include "app/batch/CsvTable.h"

#include "doclib/InvalidInputError.h"
#include "platform/storage/LegacyText.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;

namespace {

QChar SeparatorOf(QStringView text)
{
  qsizetype semicolons = 0;
  qsizetype commas = 0;
  bool quoted = false;
  for (QChar c : text) {
    if (c == u'"')
      quoted = !quoted;
    else if (!quoted && (c == u'\n' || c == u'\r'))
      break;
    else if (!quoted && c == u';')
      ++semicolons;
    else if (!quoted && c == u',')
      ++commas;
  }
  return commas > semicolons ? u',' : u';';
}

// Splits the text into records, one character at a time.
class CsvScanner {
public:
  CsvScanner(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

  std::vector<CsvRecord> Records()
  {
    std::vector<CsvRecord> records;
    while (m_at < m_text.size())
      records.push_back(Record());
    return records;
  }

private:
  CsvRecord Record()
  {
    CsvRecord record;
    record.Line = m_line;
    for (;;) {
      record.Fields << Field();
      if (m_at >= m_text.size())
        return record;
      const QChar ended = m_text[m_at++];
      if (ended != m_separator) {
        SkipLineEnd(ended);
        return record;
      }
    }
  }

  // A field up to the separator or line end that follows it, which is left for Record().
  QString Field()
  {
    QString field;
    if (m_at < m_text.size() && m_text[m_at] == u'"') {
      const int opened = m_line;
      ++m_at;
      for (;;) {
        if (m_at >= m_text.size())
          throw InvalidInputError(QStringLiteral("Linha %1: aspas abertas e nunca fechadas.").arg(opened));
        const QChar c = m_text[m_at++];
        if (c == u'"') {
          if (m_at < m_text.size() && m_text[m_at] == u'"') {
            field += u'"';
            ++m_at;
            continue;
          }
          break;
        }
        // A line break in a cell is kept as the entry fields hold one: LF.
        if (c == u'\r' && m_at < m_text.size() && m_text[m_at] == u'\n')
          continue;
        if (c == u'\n' || c == u'\r') {
          ++m_line;
          field += u'\n';
          continue;
        }
        field += c;
      }
    }
    // What follows a closing quote, or an unquoted field, runs to the next separator or line end.
    while (m_at < m_text.size() && m_text[m_at] != m_separator && m_text[m_at] != u'\n' && m_text[m_at] != u'\r')
      field += m_text[m_at++];
    return field;
  }

  void SkipLineEnd(QChar ended)
  {
    if (ended == u'\r' && m_at < m_text.size() && m_text[m_at] == u'\n')
      ++m_at;
    ++m_line;
  }

  QStringView m_text;
  QChar m_separator;
  qsizetype m_at = 0;
  int m_line = 1;
};

}  // namespace

std::vector<CsvRecord> ReadCsv(QByteArrayView bytes)
{
  const QString text = DecodeTextFile(bytes);
  return CsvScanner(text, SeparatorOf(text)).Records();
}

}  // namespace quitanza::app
