#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
QString TestDataFile(const QString& name);

// A test with a fresh, empty folder of its own.
class FolderTest : public ::testing::Test {
protected:
  QString PathOf(const QString& name) const { return m_folder.filePath(name); }
  QString FolderPath() const { return m_folder.path(); }

private:
  QTemporaryDir m_folder;
};

// The storage test helper program run as a second process (see StorageTestHelper.cpp).
struct HelperRun {
  bool Crashed = false;  // ended by a signal
  int ExitCode = 0;
  QString Output;
  QString Errors;
};
HelperRun RunHelper(const QStringList& arguments);
std::unique_ptr<QProcess> StartHelper(const QStringList& arguments);
