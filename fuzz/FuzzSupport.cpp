#include "fuzz/FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>
#include <cstdio>

void StartApplication()
{
  static int argc = 1;
  static char name[] = "quitanza-fuzzer";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

FuzzFile::FuzzFile(const QString& fileName) : m_path(m_folder.filePath(fileName))
{
  if (!m_folder.isValid()) {
    std::fprintf(stderr, "Cannot create a temporary folder: %s\n", qPrintable(m_folder.errorString()));
    std::abort();
  }
}

QString FuzzFile::Sibling(const QString& fileName) const
{
  return m_folder.filePath(fileName);
}

void FuzzFile::Write(const std::uint8_t* data, std::size_t size) const
{
  QFile file(m_path);
  const auto length = static_cast<qint64>(size);
  // A file that cannot be written would fuzz nothing: stop at once.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(data), length) != length) {
    std::fprintf(stderr, "Cannot write %s: %s\n", qPrintable(m_path), qPrintable(file.errorString()));
    std::abort();
  }
}
