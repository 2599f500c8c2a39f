#include "platform/files/FileError.h"
#include "platform/storage/DataFolderLock.h"
#include "tests/platform/storage/StorageTestSupport.h"

#include <QDateTime>
#include <QFile>

#include <optional>
#include <stdexcept>

#include <signal.h>

using namespace quitanza::platform;

class DataFolderLockTest : public FolderTest {
protected:
  std::string InUseMessage() const
  {
    return QStringLiteral(u"Os dados em %1 estão em uso por outro processo do Quitanza.").arg(FolderPath()).toStdString();
  }

  // The helper holding the folder's lock until its standard input closes.
  std::unique_ptr<QProcess> HoldLockInOtherProcess() const
  {
    auto holder = StartHelper({QStringLiteral("hold-lock"), FolderPath()});
    EXPECT_TRUE(holder->waitForReadyRead(30000));
    EXPECT_EQ(holder->readLine().trimmed(), QByteArray("locked"));
    return holder;
  }

  std::string LockHereError() const
  {
    try {
      DataFolderLock lock(FolderPath());
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    return "locked";
  }
};

TEST_F(DataFolderLockTest, OnlyOneProcessAtATimeHoldsTheFolder)
{
  auto holder = HoldLockInOtherProcess();
  EXPECT_EQ(LockHereError(), InUseMessage());

  holder->closeWriteChannel();
  ASSERT_TRUE(holder->waitForFinished(30000));
  EXPECT_EQ(LockHereError(), "locked");

  {
    const DataFolderLock lock(FolderPath());
    const HelperRun other = RunHelper({QStringLiteral("try-lock"), FolderPath()});
    EXPECT_EQ(other.ExitCode, 2);
    EXPECT_EQ(other.Errors.toStdString(), InUseMessage());
  }
  EXPECT_EQ(RunHelper({QStringLiteral("try-lock"), FolderPath()}).Output, QStringLiteral("locked"));
}

TEST_F(DataFolderLockTest, ALockLeftByADeadProcessIsTakenOver)
{
  auto holder = HoldLockInOtherProcess();
  ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
  ASSERT_TRUE(holder->waitForFinished(30000));
  EXPECT_TRUE(QFile::exists(PathOf(QString::fromUtf16(DataFolderLock::LockFileName))));
  EXPECT_EQ(LockHereError(), "locked");
}

TEST_F(DataFolderLockTest, ALiveProcessKeepsItsLockHoweverOld)
{
  auto holder = HoldLockInOtherProcess();
  QFile lockFile(PathOf(QString::fromUtf16(DataFolderLock::LockFileName)));
  ASSERT_TRUE(lockFile.open(QIODevice::ReadOnly));
  ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
  EXPECT_EQ(LockHereError(), InUseMessage());
  holder->closeWriteChannel();
  holder->waitForFinished(30000);
}

TEST_F(DataFolderLockTest, AFolderWhereNoLockCanBeMadeIsAnError)
{
  EXPECT_THROW(DataFolderLock(PathOf(QStringLiteral("no/such/folder"))), FileError);
}
