#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share.

// The QCoreApplication the command line starts with, made once for the
// whole run: file, text codec and image plugin lookups behave as in the
// program.
void StartApplication();

// A file in a folder of its own, rewritten with each input: the register and
// settings readers, and the prepared pages reader the program uses, take a
// path, not bytes. The folder goes when the fuzzer ends.
class FuzzFile {
public:
  explicit FuzzFile(const QString& fileName);

  const QString& Path() const { return m_path; }
  // Another path in the same folder, for what the target writes.
  QString Sibling(const QString& fileName) const;
  void Write(const std::uint8_t* data, std::size_t size) const;

private:
  QTemporaryDir m_folder;
  QString m_path;
};
