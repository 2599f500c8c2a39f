#include "tests/report/print/PrintQueue.h"

#include "tests/report/output/PdfTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QThread>

#include <gtest/gtest.h>

Ink InkIn(const QImage& page, const QRect& area)
{
  Ink ink;
  const QRect inside = area.intersected(page.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (qGray(page.pixel(x, y)) < 160) {
        ++ink.Dots;
        ink.Box |= QRect(x, y, 1, 1);
      }
  return ink;
}

QString PrintQueue()
{
  return qEnvironmentVariable("QUITANZA_PRINT_QUEUE");
}

QString PrintOutputFolder()
{
  return qEnvironmentVariable("QUITANZA_PRINT_OUTPUT");
}

void ClearPrintedPdfs()
{
  const QDir folder(PrintOutputFolder());
  for (const QString& name : folder.entryList(QDir::Files))
    QFile::remove(folder.filePath(name));
}

QString WaitForPrintedPdf()
{
  const QDir folder(PrintOutputFolder());
  qint64 lastSize = -1;
  for (int wait = 0; wait < 1200; ++wait) {
    QThread::msleep(100);
    const QStringList pdfs = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    if (pdfs.isEmpty())
      continue;
    // Written when the queue holds no job any more and the file has stopped
    // growing (the backend's writer runs on its own).
    const QString path = folder.filePath(pdfs.constFirst());
    const qint64 size = QFileInfo(path).size();
    const ToolResult jobs = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), PrintQueue()});
    const bool idle = jobs.exitCode == 0 && jobs.output.trimmed().isEmpty();
    if (idle && size == lastSize && RunTool(QStringLiteral("pdfinfo"), {path}).exitCode == 0)
      return path;
    lastSize = size;
  }
  ADD_FAILURE() << "The PDF printer wrote nothing into " << folder.path().toStdString();
  return {};
}
