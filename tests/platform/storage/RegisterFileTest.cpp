#include "platform/files/FileError.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"
#include "tests/platform/storage/StorageTestSupport.h"

#include <QDir>

#include <limits>

using namespace quitanza::doclib;
using namespace quitanza::platform;

using ::testing::HasSubstr;

class RegisterFileTest : public FolderTest {
protected:
  QString Register() const { return PathOf(QStringLiteral("recibo.xml")); }
};

TEST_F(RegisterFileTest, WritesTheDataPacketForm)
{
  ReceiptRecord record;
  record.Cliente = QStringLiteral(u"D'ÁVILA & <FILHOS>");
  record.CNPJ = QStringLiteral("12.345.678/0001-95");
  record.Valor = Amount::FromTicks(12345000);
  record.Referente = QStringLiteral(u"Aluguel \"março\"\r\nSala 2");
  record.Tipo = 1;
  record.Codigo = 42;
  record.Autenticacao = QStringLiteral("70350F6027BCE3713F6B76473084309B");
  record.Data = QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9, 123));
  WriteRegisterFile(Register(), Packed({record, ReceiptRecord(), record}));

  EXPECT_EQ(ReadBytes(Register()).toStdString(),
            QStringLiteral(u"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                           u"<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
                           u"<FIELD attrname=\"Cliente\" fieldtype=\"string\" WIDTH=\"200\"/>"
                           u"<FIELD attrname=\"CNPJ\" fieldtype=\"string\" WIDTH=\"20\"/>"
                           u"<FIELD attrname=\"Valor\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>"
                           u"<FIELD attrname=\"Referente\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>"
                           u"<FIELD attrname=\"Tipo\" fieldtype=\"i4\"/>"
                           u"<FIELD attrname=\"Codigo\" fieldtype=\"i4\"/>"
                           u"<FIELD attrname=\"Autenticacao\" fieldtype=\"string\" WIDTH=\"500\"/>"
                           u"<FIELD attrname=\"Data\" fieldtype=\"dateTime\"/>"
                           u"</FIELDS><PARAMS/></METADATA><ROWDATA>"
                           u"<ROW Cliente=\"D'ÁVILA &amp; &lt;FILHOS>\" CNPJ=\"12.345.678/0001-95\" Valor=\"1234.5\" "
                           u"Referente=\"Aluguel &quot;março&quot;&#13;&#10;Sala 2\" Tipo=\"1\" Codigo=\"42\" "
                           u"Autenticacao=\"70350F6027BCE3713F6B76473084309B\" Data=\"20261211T14:05:09123\"/>"
                           u"<ROW Cliente=\"\" CNPJ=\"\" Valor=\"0\" Referente=\"\" Tipo=\"0\" Codigo=\"0\" Autenticacao=\"\"/>"
                           u"<ROW Cliente=\"D'ÁVILA &amp; &lt;FILHOS>\" CNPJ=\"12.345.678/0001-95\" Valor=\"1234.5\" "
                           u"Referente=\"Aluguel &quot;março&quot;&#13;&#10;Sala 2\" Tipo=\"1\" Codigo=\"42\" "
                           u"Autenticacao=\"70350F6027BCE3713F6B76473084309B\" Data=\"20261211T14:05:09123\"/>"
                           u"</ROWDATA></DATAPACKET>")
              .toStdString());
}

// Registers written before the issue date was kept load with their rows
// undated, and gain the field at the next save.
TEST_F(RegisterFileTest, ReadsRegistersWithoutTheIssueDate)
{
  WriteBytes(Register(),
             "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Cliente\"/><FIELD attrname=\"CNPJ\"/>"
             "<FIELD attrname=\"Valor\"/><FIELD attrname=\"Referente\"/><FIELD attrname=\"Tipo\"/>"
             "<FIELD attrname=\"Codigo\"/><FIELD attrname=\"Autenticacao\"/></FIELDS></METADATA>"
             "<ROWDATA><ROW Cliente=\"ANA\" Codigo=\"7\"/></ROWDATA></DATAPACKET>");
  const std::vector<ReceiptRecord> read = Unpacked(ReadRegisterFile(Register()));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].Cliente, QStringLiteral("ANA"));
  EXPECT_EQ(read[0].Codigo, 7);
  EXPECT_FALSE(read[0].Data.isValid());

  WriteRegisterFile(Register(), Packed(read));
  EXPECT_TRUE(ReadBytes(Register()).contains("<FIELD attrname=\"Data\" fieldtype=\"dateTime\"/>"));
  EXPECT_EQ(Unpacked(ReadRegisterFile(Register())), read);

  WriteBytes(Register(), "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Cliente\"/><FIELD attrname=\"CNPJ\"/>"
                         "<FIELD attrname=\"Valor\"/><FIELD attrname=\"Referente\"/><FIELD attrname=\"Tipo\"/>"
                         "<FIELD attrname=\"Codigo\"/><FIELD attrname=\"Autenticacao\"/><FIELD attrname=\"Data\"/>"
                         "</FIELDS></METADATA><ROWDATA><ROW Data=\"ontem\"/></ROWDATA></DATAPACKET>");
  try {
    ReadRegisterFile(Register());
    ADD_FAILURE() << "an impossible date was read";
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("linha 1, campo Data: 'ontem' não é uma data e hora válida"));
  }
}

TEST_F(RegisterFileTest, ReadsBackWhatItWrote)
{
  std::vector<ReceiptRecord> records = SampleRecords(50);
  ReceiptRecord unusual;
  unusual.Cliente = QStringLiteral(u"ŁÓDŹ 中文 😀 ÇÃ");  // mostly beyond Windows-1252
  unusual.Referente = QStringLiteral(u"line\nbreaks\r\nof both kinds\tand a tab\n");
  unusual.Valor = Amount::FromTicks(std::numeric_limits<std::int64_t>::min());
  unusual.Tipo = -7;
  unusual.Codigo = std::numeric_limits<std::int32_t>::max();
  unusual.Data = QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 999));
  records.insert(records.begin() + 10, unusual);
  records.push_back(ReceiptRecord());

  WriteRegisterFile(Register(), Packed(records));
  EXPECT_EQ(Unpacked(ReadRegisterFile(Register())), records);
}

TEST_F(RegisterFileTest, ReadsWindows1252FilesOfOtherWritersSkippingWhatItDoesNotKnow)
{
  const std::vector<ReceiptRecord> records = Unpacked(ReadRegisterFile(TestDataFile(QStringLiteral("recibo-windows1252.xml"))));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Cliente, QStringLiteral(u"JOSÉ DA CONCEIÇÃO"));
  EXPECT_EQ(records[0].CNPJ, QStringLiteral("123.456.789-09"));
  EXPECT_EQ(records[0].Valor.Ticks(), 15000000);
  EXPECT_EQ(records[0].Referente, QStringLiteral(u"Aluguel de março\r\nSala 2 – € 50"));
  EXPECT_EQ(records[0].Codigo, 1);
  EXPECT_EQ(records[0].Autenticacao, QStringLiteral("70350F6027BCE3713F6B76473084309B"));
  EXPECT_EQ(records[1].Cliente, QStringLiteral(u"MÃE & FILHOS"));
  EXPECT_EQ(records[1].Valor.Ticks(), -52500);
  EXPECT_EQ(records[1].Tipo, 1);
  EXPECT_EQ(records[1].Codigo, 2);
  EXPECT_EQ(records[1].CNPJ, QString());  // no attribute: a null value
}

TEST_F(RegisterFileTest, RefusesFilesItCannotReadSayingWhereAndWhy)
{
  const QByteArray fields =
    "<METADATA><FIELDS><FIELD attrname=\"Cliente\"/><FIELD attrname=\"CNPJ\"/><FIELD attrname=\"Valor\"/>"
    "<FIELD attrname=\"Referente\"/><FIELD attrname=\"Tipo\"/><FIELD attrname=\"Codigo\"/><FIELD attrname=\"Autenticacao\"/></FIELDS></METADATA>";
  const struct {
    QByteArray content;
    const char* reason;
  } cases[] = {
    {"", "XML inválido na linha 1"},
    {"<?xml version=\"1.0\"?>\n<DATAPACKET>\n<ROWDATA><ROW Cliente=\"A\"></DATAPACKET>", "XML inválido na linha 3: um elemento se fecha com outro nome"},
    {"<?xml version=\"1.0\"?>\n<DATAPACKET><METADATA/><ROWDATA></ROWDATA>", "XML inválido na linha 2"},
    {"<OTHER/>", "não é um registro de recibos"},
    {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Cliente\"/></FIELDS></METADATA></DATAPACKET>", "falta o campo CNPJ"},
    {"<DATAPACKET>" + fields + "<ROWDATA><ROW Valor=\"1\"/><ROW Valor=\"1,5\"/></ROWDATA></DATAPACKET>", "linha 2, campo Valor: '1,5' não é um valor válido"},
    {"<DATAPACKET>" + fields + "<ROWDATA><ROW Codigo=\"3000000000\"/></ROWDATA></DATAPACKET>", "linha 1, campo Codigo: '3000000000' não é um número inteiro válido"},
  };
  for (const auto& c : cases) {
    WriteBytes(Register(), c.content);
    try {
      ReadRegisterFile(Register());
      ADD_FAILURE() << "no error for " << c.content.toStdString();
    } catch (const FileError& error) {
      EXPECT_THAT(error.what(), HasSubstr(QStringLiteral(u"Não foi possível ler %1: ").arg(Register()).toStdString()));
      EXPECT_THAT(error.what(), HasSubstr(c.reason));
    }
  }
  EXPECT_THROW(ReadRegisterFile(PathOf(QStringLiteral("missing.xml"))), FileError);
}

TEST_F(RegisterFileTest, AFailedSaveSaysSoAndLeavesWhatWasThere)
{
  ASSERT_TRUE(QDir(FolderPath()).mkdir(QStringLiteral("recibo.xml")));
  try {
    WriteRegisterFile(Register(), Packed(SampleRecords(3)));
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr(QStringLiteral(u"Não foi possível gravar %1: ").arg(Register()).toStdString()));
  }
  EXPECT_TRUE(QFileInfo(Register()).isDir());
  EXPECT_EQ(QDir(FolderPath()).entryList(QDir::Files), QStringList());  // no temporary file left behind
}
