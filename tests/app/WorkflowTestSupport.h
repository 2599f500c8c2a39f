#pragma once

#include "app/DataModule.h"
#include "platform/storage/ReceiptRecord.h"
#include "tests/app/ScriptedUserInterface.h"

#include <QString>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quitanza::report { class PictureView; }

// A workflow test: an empty data folder of its own, its data module and a
// scripted operator.
class WorkflowTest : public ::testing::Test {
protected:
  WorkflowTest();

  QString PathOf(const QString& name) const { return m_folder.filePath(name); }
  QString RegisterPath() const { return PathOf(QStringLiteral("recibo.xml")); }
  QString SettingsPath() const { return PathOf(QStringLiteral("config.ini")); }

  // Writes recibo.xml with these rows, as a previous run would have left it.
  void WriteRegister(const std::vector<quitanza::platform::ReceiptRecord>& records) const;
  std::vector<quitanza::platform::ReceiptRecord> RegisterInFile() const;
  void WriteSettings(const QByteArray& content) const;
  QByteArray SettingsInFile() const;
  // A 40 x 20 picture file in the data folder, for LOGO.
  QString WriteLogo() const;

  // What the data module's report prepared last, on its first page: a memo's
  // text without its final line break, a picture object (null when absent).
  QString PreparedText(const QString& name) const;
  const quitanza::report::PictureView* PreparedPicture(const QString& name) const;

  QTemporaryDir m_folder;
  std::unique_ptr<quitanza::app::DataModule> Dm;
  ScriptedUserInterface Ui;
};

// A receipt numbered `codigo`, with a client named after it.
quitanza::platform::ReceiptRecord Receipt(std::int32_t codigo);
std::vector<std::int32_t> Codigos(const std::vector<quitanza::platform::ReceiptRecord>& records);
