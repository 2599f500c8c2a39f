#pragma once

#include "report/model/frxComponent.h"
#include "report/model/frxReport.h"

#include <QBuffer>
#include <QByteArray>

// Saving and loading through memory instead of files.
inline QByteArray SaveToBytes(const TfrxComponent& component)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  component.SaveToStream(buffer);
  return bytes;
}

inline void LoadFromBytes(TfrxComponent& component, const QByteArray& bytes)
{
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  component.LoadFromStream(buffer);
}

// A report that keeps its error messages instead of printing them.
inline void Silence(TfrxReport& report)
{
  report.EngineOptions.NewSilentMode = simSilent;
}

inline QByteArray Template(const char* body)
{
  return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n") + body;
}
