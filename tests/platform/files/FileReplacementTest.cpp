#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"
#include "platform/files/FileReplacement.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"
#include "tests/platform/storage/StorageTestSupport.h"
#include "tests/support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;

using ::testing::HasSubstr;

class FileReplacementTest : public FolderTest {
protected:
  // Every file of the folder, hidden temporary ones included.
  QStringList Files() const { return QDir(FolderPath()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
};

TEST_F(FileReplacementTest, ReplacesAWholeFileKeepingItsPermissions)
{
  const QString path = PathOf(QStringLiteral("a.txt"));
  WriteBytes(path, "old content");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  {
    FileReplacement file(path);
    file.Write("new");
    EXPECT_EQ(ReadBytes(path), QByteArray("old content")) << "replaced before Commit()";
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(path), QByteArray("new"));
  struct stat replaced {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &replaced), 0);
  EXPECT_EQ(replaced.st_mode & 07777, 0640u);
  EXPECT_EQ(Files(), QStringList{QStringLiteral("a.txt")});
}

TEST_F(FileReplacementTest, WithoutCommitNothingChangesAndNothingIsLeft)
{
  const QString path = PathOf(QStringLiteral("a.txt"));
  WriteBytes(path, "old");
  {
    FileReplacement file(path);
    file.Device().write("half of it");
  }
  EXPECT_EQ(ReadBytes(path), QByteArray("old"));
  {
    FileReplacement created(PathOf(QStringLiteral("new.txt")));
    created.Write("x");
  }
  EXPECT_EQ(Files(), QStringList{QStringLiteral("a.txt")});
}

TEST_F(FileReplacementTest, FollowsSymbolicLinksAndKeepsThem)
{
  const QString target = PathOf(QStringLiteral("real.pdf"));
  const QString link = PathOf(QStringLiteral("link.pdf"));
  const QString dangling = PathOf(QStringLiteral("dangling.pdf"));
  WriteBytes(target, "old");
  ASSERT_TRUE(QFile::link(target, link));
  ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("later.pdf")), dangling));
  for (const QString& path : {link, dangling}) {
    FileReplacement file(path);
    file.Write("new");
    file.Commit();
    EXPECT_TRUE(QFileInfo(path).isSymLink()) << path.toStdString();
    EXPECT_EQ(ReadBytes(path), QByteArray("new"));
  }
  EXPECT_EQ(ReadBytes(target), QByteArray("new"));
  EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("later.pdf"))), QByteArray("new"));
}

TEST_F(FileReplacementTest, WritesDevicesDirectlyAndLeavesThemDevices)
{
  struct stat before {};
  ASSERT_EQ(::stat("/dev/null", &before), 0);
  if (!S_ISCHR(before.st_mode))
    GTEST_SKIP() << "/dev/null is no device here";
  FileReplacement file(QStringLiteral("/dev/null"));
  file.Write("discarded");
  file.Commit();
  struct stat after {};
  ASSERT_EQ(::stat("/dev/null", &after), 0);
  EXPECT_TRUE(S_ISCHR(after.st_mode));
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(FileReplacementTest, CopiesPartsOfAnotherFileInsideTheSystemOrThroughABuffer)
{
  const QString sourcePath = PathOf(QStringLiteral("source.txt"));
  WriteBytes(sourcePath, "0123456789");
  QFile source(sourcePath);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QString path = PathOf(QStringLiteral("copy.txt"));
  {
    FileReplacement file(path);
    EXPECT_EQ(file.CopyFrom(source.handle(), 2, 3), 3);
    file.Write("|");
    EXPECT_EQ(file.CopyFrom(source.handle(), 8, 5), 2);  // the source ends first
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(path), QByteArray("234|89"));
  // A device takes no copy inside the system: the buffer does it.
  FileReplacement device(QStringLiteral("/dev/null"));
  EXPECT_EQ(device.CopyFrom(source.handle(), 0, 10), 10);
}

TEST_F(FileReplacementTest, RefusesFoldersAndFilesItMayNotWrite)
{
  ASSERT_TRUE(QDir(FolderPath()).mkdir(QStringLiteral("pasta")));
  try {
    FileReplacement file(PathOf(QStringLiteral("pasta")));
    FAIL() << "a folder was opened for writing";
  } catch (const FileError& error) {
    EXPECT_EQ(QString::fromUtf8(error.what()),
              QStringLiteral(u"Não foi possível gravar %1: é uma pasta").arg(PathOf(QStringLiteral("pasta"))));
  }
  EXPECT_THROW(FileReplacement(PathOf(QStringLiteral("falta/a.txt"))), FileError);
  if (::geteuid() != 0) {
    const QString readOnly = PathOf(QStringLiteral("somente-leitura.txt"));
    WriteBytes(readOnly, "kept");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    EXPECT_THROW(FileReplacement{readOnly}, FileError);
    EXPECT_EQ(ReadBytes(readOnly), QByteArray("kept"));
  }
}

// A disk that fills up half-way through a save: the write that meets the full
// disk fails, the old register stays whole and no temporary file is left.
TEST(FileReplacementOnAFullDisk, AFailedSaveKeepsTheOldFileAndLeavesNothingBehind)
{
  const SmallDisk disk(64);
  if (!disk.Mounted())
    GTEST_SKIP() << "mounting a small disk needs root";
  const QString path = disk.FilePath(QStringLiteral("recibo.xml"));
  WriteRegisterFile(path, Packed(SampleRecords(5)));
  const QByteArray old = ReadBytes(path);
  disk.Fill();
  try {
    WriteRegisterFile(path, Packed(SampleRecords(300)));
    FAIL() << "a save on a full disk succeeded";
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr(QStringLiteral(u"Não foi possível gravar %1: não há espaço livre no disco")
                                          .arg(path)
                                          .toStdString()));
  }
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "a temporary file was left";
}
