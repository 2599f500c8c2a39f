#include "app/DataFolder.h"
#include "app/ProgramFiles.h"
#include "platform/files/AtomicFile.h"
#include "tests/app/RunQuitanza.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quitanza::app;

namespace {

const QString Given = QStringLiteral("/dados/dados-dados");
const QString Program = QStringLiteral("/opt/quitanza");
const QString User = QStringLiteral("/home/ana/.local/share/Quitanza");

void Touch(const QString& path)
{
  quitanza::platform::WriteFileAtomically(path, QByteArray());
}

}  // namespace

TEST(DataFolder, GivenFolderElseAWritableProgramFolderWithDataElseTheUsersFolder)
{
  const struct {
    const char* situation;
    QString given;
    ProgramFolder program;
    QString expected;
  } cases[] = {
    {"--dados given", Given, {Program, true, true}, Given},
    {"--dados given, program folder read-only", Given, {Program, false, false}, Given},
    {"writable program folder holding data", {}, {Program, true, true}, Program},
    {"writable program folder without data", {}, {Program, true, false}, User},
    {"read-only program folder holding data", {}, {Program, false, true}, User},
    {"read-only program folder without data", {}, {Program, false, false}, User},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseDataFolder(c.given, c.program, User), c.expected) << c.situation;
}

TEST(DataFolder, AProgramFolderHoldsDataWhenItHasTheSettingsOrTheRegister)
{
  for (const char* file : {"config.ini", "recibo.xml"}) {
    const QTemporaryDir folder;
    Touch(folder.filePath(QString::fromLatin1(file)));
    const ProgramFolder inspected = InspectProgramFolder(folder.path());
    EXPECT_TRUE(inspected.Writable) << file;
    EXPECT_TRUE(inspected.HoldsData) << file;
  }
  const QTemporaryDir templatesOnly;
  Touch(templatesOnly.filePath(QStringLiteral("Recibo.fr3")));
  EXPECT_FALSE(InspectProgramFolder(templatesOnly.path()).HoldsData);
  EXPECT_FALSE(InspectProgramFolder(templatesOnly.filePath(QStringLiteral("nao-existe"))).Writable);
}

TEST(DataFolder, ProgramFilesAreLookedUpInOrderAndAMissingOneIsNamedInTheLastFolder)
{
  const QTemporaryDir installed;
  const QTemporaryDir beside;
  const QStringList folders = {installed.path(), beside.path()};
  Touch(beside.filePath(QStringLiteral("Recibo.fr3")));
  EXPECT_EQ(FindProgramFile(u"Recibo.fr3", folders), beside.filePath(QStringLiteral("Recibo.fr3")));
  Touch(installed.filePath(QStringLiteral("Recibo.fr3")));
  EXPECT_EQ(FindProgramFile(u"Recibo.fr3", folders), installed.filePath(QStringLiteral("Recibo.fr3")));
  EXPECT_EQ(FindProgramFile(u"Pagar.fr3", folders), beside.filePath(QStringLiteral("Pagar.fr3")));
}

// The build tree holds no data of its own: without --dados the user's folder
// is used, created by the first command that needs it.
TEST(DataFolder, WithoutDadosTheUsersFolderIsShownAndCreatedOnFirstUse)
{
  const QTemporaryDir home;
  const QString userFolder = QDir(home.path()).filePath(QStringLiteral(".local/share/Quitanza"));
  const ProcessResult shown = RunQuitanzaAtHome({QStringLiteral("--dados-padrao")}, home.path());
  EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
  EXPECT_EQ(shown.out, userFolder + u'\n');
  EXPECT_FALSE(QFileInfo::exists(userFolder));

  const ProcessResult configured =
      RunQuitanzaAtHome({QStringLiteral("configurar"), QStringLiteral("--empresa"), QStringLiteral("Padaria")}, home.path());
  EXPECT_EQ(configured.exitCode, 0) << configured.err.toStdString();
  EXPECT_EQ(configured.err, QStringLiteral("A pasta de dados %1 foi criada.\n").arg(userFolder));
  EXPECT_TRUE(QFileInfo::exists(QDir(userFolder).filePath(QStringLiteral("config.ini"))));
}

TEST(DataFolder, AMissingDadosFolderIsCreatedByCommandsThatWriteOnly)
{
  const QTemporaryDir parent;
  const QString missing = parent.filePath(QStringLiteral("nova/pasta"));
  const struct {
    QStringList arguments;
    int exitCode;
    bool created;
  } cases[] = {
    {{QStringLiteral("listar")}, 3, false},
    {{QStringLiteral("configurar")}, 3, false},
    {{QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), parent.filePath(QStringLiteral("r.pdf"))}, 3, false},
    {{QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("ANA"), QStringLiteral("--valor"), QStringLiteral("10")}, 0, true},
  };
  for (const auto& c : cases) {
    const ProcessResult run = RunQuitanza(c.arguments + QStringList{QStringLiteral("--dados"), missing});
    const std::string call = c.arguments.join(u' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exitCode) << call << ": " << run.err.toStdString();
    EXPECT_EQ(QFileInfo(missing).isDir(), c.created) << call;
    const QString created = QStringLiteral("A pasta de dados %1 foi criada.\n").arg(missing);
    EXPECT_EQ(run.err.startsWith(created), c.created) << call << ": " << run.err.toStdString();
    if (!c.created) {
      EXPECT_EQ(run.err, QStringLiteral(u"A pasta de dados %1 não existe.\n").arg(missing)) << call;
    }
  }
}
