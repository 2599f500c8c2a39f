#include "report/model/frxXMLWriter.h"

#include "report/model/frxErrors.h"
#include "report/model/frxXML.h"
#include "report/model/frxXMLEscape.h"

#include <QIODevice>

namespace {
constexpr qsizetype kFlushSize = 4096;
}

void TfrxXMLWriter::Flush()
{
  if (FBuffer.isEmpty())
    return;
  const QByteArray bytes = FBuffer.toUtf8();
  if (FStream.write(bytes) != bytes.size())
    throw EfrxError(QStringLiteral("Cannot write the report: %1").arg(FStream.errorString()));
  FBuffer.clear();
}

void TfrxXMLWriter::Write(QStringView text)
{
  FBuffer.append(text);
  if (FBuffer.size() > kFlushSize)
    Flush();
}

void TfrxXMLWriter::Indent(int level)
{
  if (FAutoIndent)
    FBuffer.append(QString(level * 2, QLatin1Char(' ')));
}

void TfrxXMLWriter::LineEnd()
{
  if (FAutoIndent)
    FBuffer.append(u"\r\n");
}

void TfrxXMLWriter::WriteHeader()
{
  Write(u"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>");
  LineEnd();
}

void TfrxXMLWriter::WriteItem(const TfrxXMLItem& item, int level)
{
  Indent(level);
  FBuffer.append(QLatin1Char('<'));
  FBuffer.append(item.Name);
  if (!item.Text.isEmpty()) {
    FBuffer.append(QLatin1Char(' '));
    FBuffer.append(item.Text);
  }
  if (item.Count() == 0 && item.Value.isEmpty()) {
    FBuffer.append(u"/>");
    LineEnd();
    Write({});
    return;
  }
  FBuffer.append(QLatin1Char('>'));
  if (!item.Value.isEmpty()) {
    frxAppendXML(FBuffer, item.Value);
  } else {
    LineEnd();
  }
  Write({});
  for (int i = 0; i < item.Count(); ++i)
    WriteItem(item.Items(i), level + 1);
  if (item.Value.isEmpty())
    Indent(level);
  FBuffer.append(u"</");
  FBuffer.append(item.Name);
  FBuffer.append(QLatin1Char('>'));
  LineEnd();
  Write({});
}
