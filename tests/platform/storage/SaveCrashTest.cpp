// Saves that die or fail half-way, in a real second process whose file size
// is capped: past the cap the process is killed by the system (as by a crash
// or a power cut in the middle of writing), or its writes fail as on a full disk.
#include "platform/storage/IniFile.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"
#include "tests/platform/storage/StorageTestSupport.h"

#include <QDir>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

const QString SizeCap = QStringLiteral("65536");

struct SaveCase {
  const char* name;
  QString fileName;
  QStringList helperArguments;  // after the path: what to write, then the size cap
  QByteArray (*writeOldFile)(const QString& path);
  const char* failureMessage;  // of a failed write, %1 being the path
};

QByteArray OldRegister(const QString& path)
{
  WriteRegisterFile(path, Packed(SampleRecords(5)));
  return ReadBytes(path);
}

QByteArray OldSettings(const QString& path)
{
  IniFile(path).WriteInteger(u"EMITENTE", u"CODIGO", 41);
  return ReadBytes(path);
}

const SaveCase SaveCases[] = {
  {"register", QStringLiteral("recibo.xml"), {QStringLiteral("save-register"), QStringLiteral("20000")}, OldRegister, "Não foi possível gravar %1: "},
  {"register, new rows in front of the stored ones", QStringLiteral("recibo.xml"), {QStringLiteral("insert-register"), QStringLiteral("20000")}, OldRegister, "Não foi possível gravar %1: "},
  {"settings", QStringLiteral("config.ini"), {QStringLiteral("write-ini"), QStringLiteral("200000")}, OldSettings, "Unable to write to %1"},
};

}  // namespace

class SaveCrashTest : public FolderTest {};

TEST_F(SaveCrashTest, AProcessKilledWhileSavingLeavesTheOldFileWhole)
{
  for (const SaveCase& c : SaveCases) {
    const QString path = PathOf(c.fileName);
    const QByteArray old = c.writeOldFile(path);
    const HelperRun run = RunHelper(QStringList{c.helperArguments[0], path, c.helperArguments[1], SizeCap});
    EXPECT_TRUE(run.Crashed) << c.name << ": the helper was meant to die while writing";
    EXPECT_EQ(ReadBytes(path), old) << c.name;
  }
  EXPECT_EQ(Unpacked(ReadRegisterFile(PathOf(QStringLiteral("recibo.xml")))), SampleRecords(5));
}

TEST_F(SaveCrashTest, AFailedWriteRaisesTheErrorAndLeavesTheOldFileWhole)
{
  for (const SaveCase& c : SaveCases) {
    const QString path = PathOf(c.fileName);
    const QByteArray old = c.writeOldFile(path);
    const HelperRun run = RunHelper(QStringList{c.helperArguments[0], path, c.helperArguments[1], SizeCap, QStringLiteral("--fail-writes")});
    EXPECT_FALSE(run.Crashed) << c.name;
    EXPECT_EQ(run.ExitCode, 2) << c.name;
    EXPECT_TRUE(run.Errors.startsWith(QString::fromUtf8(c.failureMessage).arg(path))) << c.name << ": " << run.Errors.toStdString();
    EXPECT_EQ(ReadBytes(path), old) << c.name;
  }
  EXPECT_EQ(QDir(FolderPath()).entryList(QDir::Files).size(), 2) << "a temporary file was left behind";
}
