#pragma once

#include "platform/files/AtomicFile.h"
#include "platform/storage/RegisterFile.h"
#include "tests/app/RunQuitanza.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

// A test of the commands that work on a data folder, through the real
// executable, on an empty folder of its own.
class DataFolderCommandTest : public ::testing::Test {
protected:
  ProcessResult Quitanza(QStringList arguments) const
  {
    return RunQuitanza(arguments << QStringLiteral("--dados") << Folder.path());
  }
  QString PathOf(const QString& name) const { return Folder.filePath(name); }
  QByteArray Settings() const { return quitanza::platform::ReadWholeFile(PathOf(QStringLiteral("config.ini"))); }
  QByteArray Register() const { return quitanza::platform::ReadWholeFile(PathOf(QStringLiteral("recibo.xml"))); }
  void WriteSettings(const QByteArray& content) const { quitanza::platform::WriteFileAtomically(PathOf(QStringLiteral("config.ini")), content); }
  void WriteRegister(const std::vector<quitanza::platform::ReceiptRecord>& records) const
  {
    quitanza::platform::WriteRegisterFile(PathOf(QStringLiteral("recibo.xml")), quitanza::platform::Packed(records));
  }

  QTemporaryDir Folder;
};
