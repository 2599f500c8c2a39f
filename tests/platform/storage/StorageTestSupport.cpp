#include "tests/platform/storage/StorageTestSupport.h"

#include <QFile>

QByteArray ReadBytes(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) ADD_FAILURE() << "cannot write " << path.toStdString();
}

QString TestDataFile(const QString& name)
{
  return QStringLiteral(QUITANZA_TEST_DATA "/platform/") + name;
}

std::unique_ptr<QProcess> StartHelper(const QStringList& arguments)
{
  auto process = std::make_unique<QProcess>();
  process->start(QStringLiteral(STORAGE_TEST_HELPER), arguments);
  EXPECT_TRUE(process->waitForStarted()) << process->errorString().toStdString();
  return process;
}

HelperRun RunHelper(const QStringList& arguments)
{
  const auto process = StartHelper(arguments);
  process->closeWriteChannel();
  EXPECT_TRUE(process->waitForFinished(60000)) << "helper did not finish";
  return {process->exitStatus() == QProcess::CrashExit, process->exitCode(),
          QString::fromUtf8(process->readAllStandardOutput()).trimmed(),
          QString::fromUtf8(process->readAllStandardError()).trimmed()};
}
