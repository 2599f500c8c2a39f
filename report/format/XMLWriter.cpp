#include "report/format/XMLWriter.h"

#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/format/XMLEscape.h"

#include <QIODevice>

namespace quitanza::report {

namespace {
constexpr std::size_t kFlushSize = 4096;
}

void XMLWriter::Flush()
{
  if (m_buffer.empty())
    return;
  if (m_stream.write(m_buffer.data(), static_cast<qint64>(m_buffer.size())) != static_cast<qint64>(m_buffer.size()))
    throw ReportError(QStringLiteral(u"Não foi possível gravar o relatório: %1").arg(m_stream.errorString()));
  m_buffer.clear();
}

void XMLWriter::FlushIfFull()
{
  if (m_buffer.size() > kFlushSize)
    Flush();
}

void XMLWriter::Indent(int level)
{
  if (m_autoIndent)
    m_buffer.append(static_cast<std::size_t>(level) * 2, ' ');
}

void XMLWriter::LineEnd()
{
  if (m_autoIndent)
    m_buffer.append("\r\n");
}

void XMLWriter::WriteHeader()
{
  m_buffer.append(R"(<?xml version="1.0" encoding="utf-8" standalone="no"?>)");
  LineEnd();
}

void XMLWriter::StartTag(int level, std::string_view name, std::string_view attributes)
{
  Indent(level);
  m_buffer.push_back('<');
  m_buffer.append(name);
  if (!attributes.empty()) {
    m_buffer.push_back(' ');
    m_buffer.append(attributes);
  }
}

void XMLWriter::OpenElement(int level, std::string_view name, std::string_view attributes, bool hasChildren)
{
  StartTag(level, name, attributes);
  m_buffer.append(hasChildren ? ">" : "/>");
  LineEnd();
  FlushIfFull();
}

void XMLWriter::CloseElement(int level, std::string_view name)
{
  Indent(level);
  m_buffer.append("</");
  m_buffer.append(name);
  m_buffer.push_back('>');
  LineEnd();
  FlushIfFull();
}

void XMLWriter::WriteItem(const report::XMLItem& item, int level)
{
  const std::string name = item.Name.toStdString();
  const std::string_view attributes(item.Text.constData(), static_cast<std::size_t>(item.Text.size()));
  if (item.Value.isEmpty()) {
    OpenElement(level, name, attributes, item.Count() > 0);
  } else {
    // Text content stays on the element's line.
    StartTag(level, name, attributes);
    m_buffer.push_back('>');
    AppendXMLUtf8(m_buffer, item.Value);
    if (item.Count() > 0)
      LineEnd();
  }
  for (int i = 0; i < item.Count(); ++i)
    WriteItem(item.Items(i), level + 1);
  if (item.Count() > 0 || !item.Value.isEmpty())
    CloseElement(item.Count() > 0 ? level : 0, name);
}

}  // namespace quitanza::report
