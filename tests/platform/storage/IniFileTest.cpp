#include "platform/files/FileError.h"
#include "platform/storage/IniFile.h"
#include "tests/platform/storage/StorageTestSupport.h"

#include <QDir>
#include <QFile>

using namespace quitanza::platform;

class IniFileTest : public FolderTest {
protected:
  quitanza::platform::IniFile Ini() const { return quitanza::platform::IniFile(PathOf(QStringLiteral("config.ini"))); }
  QByteArray Content() const { return ReadBytes(PathOf(QStringLiteral("config.ini"))); }
  void SetContent(const QByteArray& bytes) const { WriteBytes(PathOf(QStringLiteral("config.ini")), bytes); }
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsAsTheDefault)
{
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA"), QString());
  EXPECT_EQ(Ini().ReadInteger(u"EMITENTE", u"CODIGO"), 0);
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA", QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("config.ini"))));  // reading creates nothing
  SetContent("[OUTRA]\nCODIGO=5\n");
  EXPECT_EQ(Ini().ReadInteger(u"EMITENTE", u"CODIGO"), 0);
}

TEST_F(IniFileTest, IntegersThatAreNoDecimalNumberReadAsTheDefault)
{
  const struct {
    const char* text;
    int value;
  } cases[] = {{"41", 41}, {"-3", -3}, {" 7 ", 7}, {"", 0}, {"abc", 0}, {"12abc", 0}, {"4.5", 0}, {"99999999999", 0}, {"0x10", 0}};
  for (const auto& c : cases) {
    SetContent(QByteArray("[EMITENTE]\nCODIGO=") + c.text + "\n");
    EXPECT_EQ(Ini().ReadInteger(u"emitente", u"codigo"), c.value) << c.text;
  }
}

TEST_F(IniFileTest, ValuesAreCutTo2047Characters)
{
  SetContent("[EMITENTE]\nEMPRESA=" + QByteArray(3000, 'x') + "\nSITE=" + QByteArray(2046, 'y') + "\xF0\x9F\x98\x80\n");
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA"), QString(2047, u'x'));
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"SITE"), QString(2046, u'y'));  // half a character is not kept
}

TEST_F(IniFileTest, FirstWriteCreatesFileAndSection)
{
  Ini().WriteInteger(u"EMITENTE", u"CODIGO", 1);
  EXPECT_EQ(Content(), QByteArray("[EMITENTE]\nCODIGO=1\n"));
  EXPECT_EQ(Ini().ReadInteger(u"EMITENTE", u"CODIGO"), 1);
}

TEST_F(IniFileTest, KeysStayInTheOrderTheyWereFirstWritten)
{
  const char16_t* keys[] = {u"EMPRESA", u"ENDERECO", u"CIDADE", u"TELEFONE", u"EMAIL", u"SITE", u"LOGO", u"BAIRRO", u"CFP_CNPJ"};
  for (const char16_t* key : keys) Ini().WriteString(u"EMITENTE", key, QStringLiteral("v"));
  Ini().WriteInteger(u"EMITENTE", u"CODIGO", 7);
  Ini().WriteString(u"emitente", u"cidade", u"Olinda");
  EXPECT_EQ(Content(), QByteArray("[EMITENTE]\nEMPRESA=v\nENDERECO=v\nCIDADE=Olinda\nTELEFONE=v\nEMAIL=v\nSITE=v\nLOGO=v\nBAIRRO=v\nCFP_CNPJ=v\nCODIGO=7\n"));
}

TEST_F(IniFileTest, Windows1252FileIsReadAndRewrittenInUtf8)
{
  SetContent(ReadBytes(TestDataFile(QStringLiteral("config-windows1252.ini"))));
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA"), QStringLiteral(u"Padaria São João"));
  EXPECT_EQ(Ini().ReadInteger(u"EMITENTE", u"CODIGO"), 41);

  Ini().WriteInteger(u"EMITENTE", u"CODIGO", 42);
  EXPECT_EQ(Content(), QStringLiteral(u"; settings brought over from the old program\r\n[EMITENTE]\r\nEMPRESA=Padaria São João\r\n"
                                      u"ENDERECO=Praça da Sé, 1\r\nCODIGO=42\r\n").toUtf8());
}

TEST_F(IniFileTest, TextBeyondWindows1252SurvivesAndAByteOrderMarkIsSkipped)
{
  const QString text = QStringLiteral(u"Łódź 中文 😀 São");
  Ini().WriteString(u"EMITENTE", u"EMPRESA", text);
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA"), text);

  SetContent("\xEF\xBB\xBF[EMITENTE]\nEMPRESA=Pre\xC3\xA7o\n");
  EXPECT_EQ(Ini().ReadString(u"EMITENTE", u"EMPRESA"), QStringLiteral(u"Preço"));
}

TEST_F(IniFileTest, FailedWriteSaysUnableToWriteAndChangesNothing)
{
  const QString inMissingFolder = PathOf(QStringLiteral("no/such/folder/config.ini"));
  try {
    IniFile(inMissingFolder).WriteInteger(u"EMITENTE", u"CODIGO", 1);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(QString::fromStdString(error.what()), QStringLiteral("Unable to write to ") + inMissingFolder);
  }

  // A folder standing where the file should be can be neither read nor replaced.
  ASSERT_TRUE(QDir(FolderPath()).mkdir(QStringLiteral("config.ini")));
  try {
    Ini().WriteInteger(u"EMITENTE", u"CODIGO", 1);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(QString::fromStdString(error.what()), QStringLiteral("Unable to write to ") + PathOf(QStringLiteral("config.ini")));
  }
  EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral("config.ini"))).isDir());
}

TEST_F(IniFileTest, AFileThatExistsButCannotBeReadIsAnErrorNotEmpty)
{
  ASSERT_TRUE(QDir(FolderPath()).mkdir(QStringLiteral("config.ini")));
  EXPECT_THROW(Ini().ReadInteger(u"EMITENTE", u"CODIGO"), FileError);
}

TEST_F(IniFileTest, ASnapshotReadsTheFileOnceAndWritesThrough)
{
  const IniFile file = Ini();
  file.WriteInteger(u"EMITENTE", u"CODIGO", 41);
  const IniFile snapshot = file.Snapshot();
  file.WriteString(u"EMITENTE", u"EMPRESA", u"Padaria");  // behind the snapshot's back
  EXPECT_EQ(snapshot.ReadString(u"EMITENTE", u"EMPRESA"), QString());
  snapshot.WriteInteger(u"EMITENTE", u"CODIGO", 42);
  EXPECT_EQ(snapshot.ReadInteger(u"EMITENTE", u"CODIGO"), 42);
  EXPECT_EQ(snapshot.ReadString(u"EMITENTE", u"EMPRESA"), QStringLiteral("Padaria"));  // the write took the file's text
  EXPECT_EQ(file.ReadInteger(u"EMITENTE", u"CODIGO"), 42);
}
