#include "report/format/frxXMLWriter.h"

#include "report/format/frxErrors.h"
#include "report/format/frxXML.h"
#include "report/format/frxXMLEscape.h"

#include <QIODevice>

namespace {
constexpr std::size_t kFlushSize = 4096;
}

void TfrxXMLWriter::Flush()
{
  if (FBuffer.empty())
    return;
  if (FStream.write(FBuffer.data(), static_cast<qint64>(FBuffer.size())) != static_cast<qint64>(FBuffer.size()))
    throw EfrxError(QStringLiteral(u"Não foi possível gravar o relatório: %1").arg(FStream.errorString()));
  FBuffer.clear();
}

void TfrxXMLWriter::FlushIfFull()
{
  if (FBuffer.size() > kFlushSize)
    Flush();
}

void TfrxXMLWriter::Indent(int level)
{
  if (FAutoIndent)
    FBuffer.append(static_cast<std::size_t>(level) * 2, ' ');
}

void TfrxXMLWriter::LineEnd()
{
  if (FAutoIndent)
    FBuffer.append("\r\n");
}

void TfrxXMLWriter::WriteHeader()
{
  FBuffer.append(R"(<?xml version="1.0" encoding="utf-8" standalone="no"?>)");
  LineEnd();
}

void TfrxXMLWriter::StartTag(int level, std::string_view name, std::string_view attributes)
{
  Indent(level);
  FBuffer.push_back('<');
  FBuffer.append(name);
  if (!attributes.empty()) {
    FBuffer.push_back(' ');
    FBuffer.append(attributes);
  }
}

void TfrxXMLWriter::OpenElement(int level, std::string_view name, std::string_view attributes, bool hasChildren)
{
  StartTag(level, name, attributes);
  FBuffer.append(hasChildren ? ">" : "/>");
  LineEnd();
  FlushIfFull();
}

void TfrxXMLWriter::CloseElement(int level, std::string_view name)
{
  Indent(level);
  FBuffer.append("</");
  FBuffer.append(name);
  FBuffer.push_back('>');
  LineEnd();
  FlushIfFull();
}

void TfrxXMLWriter::WriteItem(const TfrxXMLItem& item, int level)
{
  const std::string name = item.Name.toStdString();
  const std::string_view attributes(item.Text.constData(), static_cast<std::size_t>(item.Text.size()));
  if (item.Value.isEmpty()) {
    OpenElement(level, name, attributes, item.Count() > 0);
  } else {
    // Text content stays on the element's line.
    StartTag(level, name, attributes);
    FBuffer.push_back('>');
    frxAppendXMLUtf8(FBuffer, item.Value);
    if (item.Count() > 0)
      LineEnd();
  }
  for (int i = 0; i < item.Count(); ++i)
    WriteItem(item.Items(i), level + 1);
  if (item.Count() > 0 || !item.Value.isEmpty())
    CloseElement(item.Count() > 0 ? level : 0, name);
}
