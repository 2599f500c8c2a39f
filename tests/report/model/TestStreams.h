#pragma once

#include "report/model/Component.h"
#include "report/model/Report.h"

#include <QBuffer>
#include <QByteArray>

// Saving and loading through memory instead of files.
inline QByteArray SaveToBytes(const quitanza::report::Component& component)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  component.SaveToStream(buffer);
  return bytes;
}

inline void LoadFromBytes(quitanza::report::Component& component, const QByteArray& bytes)
{
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  component.LoadFromStream(buffer);
}

// A report that keeps its error messages instead of printing them.
inline void Silence(quitanza::report::Report& report)
{
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
}

inline QByteArray Template(const char* body)
{
  return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n") + body;
}
