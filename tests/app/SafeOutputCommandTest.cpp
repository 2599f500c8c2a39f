// What the commands do when their input or their files are not what they
// expect: refused amounts, outputs aimed at the data folder's own files,
// devices and links as outputs, and a disk that fills up while issuing.
#include "app/DataModule.h"
#include "tests/app/DataFolderCommandTest.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"
#include "tests/support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using SafeOutputCommandTest = DataFolderCommandTest;

namespace {

const QStringList Anyone = {QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--cliente"),
                            QStringLiteral("ANA")};

QStringList Issue(const QString& amount)
{
  return {QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"), amount};
}

}  // namespace

// On a command line nobody sees the amount field drop what it does not take:
// a text it would read as another amount is refused, not issued.
TEST_F(SafeOutputCommandTest, AmountsAreTakenAsWrittenOrRefused)
{
  const struct {
    const char16_t* typed;
    const char16_t* shown;  // nullptr: refused
  } cases[] = {
    {u"1.234,56", u"1.234,56"}, {u"1234,56", u"1.234,56"}, {u"1500", u"1.500,00"}, {u"0,5", u"0,50"},
    {u"1.000.000", u"1.000.000,00"}, {u"-5,00", u"-5,00"},
    {u"10.5", nullptr}, {u"1e3", nullptr}, {u"12a", nullptr}, {u"1,2,3", nullptr}, {u"abc", nullptr},
    {u"1,234", nullptr}, {u"12.34", nullptr}, {u"1.2345", nullptr}, {u"R$ 10", nullptr}, {u" 10", nullptr},
  };
  for (const auto& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    const ProcessResult run =
      Quitanza(QStringList{QStringLiteral("autenticar")} + Anyone + QStringList{QStringLiteral("--valor"), typed});
    if (c.shown) {
      EXPECT_EQ(run.exitCode, 0) << typed.toStdString() << ": " << run.err.toStdString();
      continue;
    }
    EXPECT_EQ(run.exitCode, 1) << typed.toStdString();
    EXPECT_EQ(run.err, QStringLiteral(u"\"%1\" não é um valor: escreva-o como 1.500,00 ou 1500,00 (vírgula antes dos "
                                      u"centavos).\n")
                         .arg(typed));
  }
  const ProcessResult refused = Quitanza(Issue(QStringLiteral("10.5")));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}

// The register is saved before the counter: when a run ended between the
// two, the next receipt still gets a number of its own.
TEST_F(SafeOutputCommandTest, TheNextNumberIsPastTheCounterAndEveryStoredReceipt)
{
  WriteSettings("[EMITENTE]\nCODIGO=4\n");
  WriteRegister({Receipt(3), Receipt(5), Receipt(4)});
  ProcessResult run = Quitanza(Issue(QStringLiteral("10")));
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith(QStringLiteral(u"Recibo N°: 0000000006\n"))) << run.out.toStdString();
  EXPECT_EQ(Settings(), QByteArray("[EMITENTE]\nCODIGO=6\n"));

  WriteSettings("[EMITENTE]\nCODIGO=40\n");
  run = Quitanza(Issue(QStringLiteral("10")));
  EXPECT_TRUE(run.out.startsWith(QStringLiteral(u"Recibo N°: 0000000041\n"))) << run.out.toStdString();
}

TEST_F(SafeOutputCommandTest, OutputsNeverReplaceTheDataFoldersOwnFiles)
{
  WriteSettings("[EMITENTE]\nCODIGO=1\n");
  WriteRegister({Receipt(1)});
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUITANZA_BINARY_DIR "/app/Recibo.fr3"), PathOf(QStringLiteral("Recibo.fr3"))));
  ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("recibo.xml")), PathOf(QStringLiteral("atalho.pdf"))));
  const QByteArray settings = Settings();
  const QByteArray receipts = Register();
  const QByteArray layout = ReadWholeFile(PathOf(QStringLiteral("Recibo.fr3")));
  const QString templateFile = PathOf(QStringLiteral("Recibo.fr3"));

  const QStringList cases[] = {
    {QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), PathOf(QStringLiteral("recibo.xml"))},
    {QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), PathOf(QStringLiteral("atalho.pdf"))},
    {QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"),
     Folder.path() + QStringLiteral("/./config.ini")},
    Issue(QStringLiteral("10")) + QStringList{QStringLiteral("--pdf"), templateFile},
    {QStringLiteral("relatorio"), templateFile, QStringLiteral("--fp3"), PathOf(QStringLiteral("recibo.xml"))},
    {QStringLiteral("relatorio"), templateFile, QStringLiteral("--pdf"), templateFile},
  };
  for (const QStringList& command : cases) {
    const ProcessResult run = Quitanza(command);
    EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString() << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral(u"é um arquivo de que o Quitanza precisa"))) << run.err.toStdString();
  }
  EXPECT_EQ(Settings(), settings);
  EXPECT_EQ(Register(), receipts);
  EXPECT_EQ(ReadWholeFile(templateFile), layout);
  EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral("atalho.pdf"))).isSymLink());
}

TEST_F(SafeOutputCommandTest, AnOutputThatIsADeviceOrALinkIsWrittenThrough)
{
  WriteRegister({Receipt(1)});
  struct stat before {};
  ASSERT_EQ(::stat("/dev/null", &before), 0);
  ProcessResult run =
    Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), QStringLiteral("/dev/null")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  struct stat after {};
  ASSERT_EQ(::stat("/dev/null", &after), 0);
  EXPECT_EQ(S_ISCHR(after.st_mode), S_ISCHR(before.st_mode));
  EXPECT_EQ(after.st_ino, before.st_ino);

  QTemporaryDir elsewhere;
  const QString target = elsewhere.filePath(QStringLiteral("recibo-1.pdf"));
  ASSERT_TRUE(QFile::link(target, PathOf(QStringLiteral("ultimo.pdf"))));
  run = Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"),
                  PathOf(QStringLiteral("ultimo.pdf"))});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral("ultimo.pdf"))).isSymLink());
  EXPECT_TRUE(ReadWholeFile(target).startsWith("%PDF-1.5"));
}

// The disk fills up as the register is saved: the issue fails, and leaves the
// register, the counter and the folder as they were, with no PDF of a receipt
// that was never stored.
TEST(IssuingOnAFullDisk, FailsLeavingRegisterCounterAndNoPdf)
{
  const SmallDisk disk(128);
  if (!disk.Mounted())
    GTEST_SKIP() << "mounting a small disk needs root";
  WriteFileAtomically(disk.FilePath(QStringLiteral("config.ini")), QByteArray("[EMITENTE]\nCODIGO=4\n"));
  WriteRegisterFile(disk.FilePath(QStringLiteral("recibo.xml")), Packed({Receipt(3), Receipt(4)}));
  const QByteArray receipts = ReadWholeFile(disk.FilePath(QStringLiteral("recibo.xml")));
  disk.Fill(4096);  // a page for the folder's lock, none for a new register

  QTemporaryDir elsewhere;
  const QString pdf = elsewhere.filePath(QStringLiteral("recibo.pdf"));
  const ProcessResult run = RunQuitanza(Issue(QStringLiteral("10")) +
                                        QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--dados"), disk.Path()});
  EXPECT_EQ(run.exitCode, 3) << run.out.toStdString();
  EXPECT_TRUE(run.err.startsWith(QStringLiteral(u"Erro ao gerar recibo: Não foi possível gravar %1: não há espaço livre")
                                   .arg(disk.FilePath(QStringLiteral("recibo.xml")))))
    << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_EQ(ReadWholeFile(disk.FilePath(QStringLiteral("recibo.xml"))), receipts);
  EXPECT_EQ(ReadWholeFile(disk.FilePath(QStringLiteral("config.ini"))), QByteArray("[EMITENTE]\nCODIGO=4\n"));
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("config.ini"), QStringLiteral("enchimento"), QStringLiteral("recibo.xml")}));
}

TEST_F(SafeOutputCommandTest, AnEmptyStateRegistrationIsMissing)
{
  const ProcessResult run =
    Quitanza({QStringLiteral("validar"), QStringLiteral("ie"), QString(), QStringLiteral("--uf"), QStringLiteral("SP")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral(u"Informação necessária\n"));
}

// A logo that is no picture stops the issue naming the file, in Portuguese.
TEST_F(SafeOutputCommandTest, ALogoThatIsNoPictureIsNamed)
{
  const QString logo = PathOf(QStringLiteral("logo.png"));
  WriteFileAtomically(logo, QByteArray("not a picture"));
  WriteSettings(QStringLiteral("[EMITENTE]\nLOGO=%1\n").arg(logo).toUtf8());
  const ProcessResult run = Quitanza(Issue(QStringLiteral("10")));
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.err.contains(QStringLiteral(u"A imagem %1 não pode ser lida: formato de imagem não suportado").arg(logo)))
    << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}
