#include "platform/files/FileError.h"
#include "platform/storage/ReceiptRegister.h"
#include "platform/storage/RegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"
#include "tests/platform/storage/StorageTestSupport.h"

#include <QFile>

#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

using ::testing::HasSubstr;

namespace {

void InsertClient(ReceiptRegister& reg, const QString& client)
{
  reg.Insert();
  reg.SetFieldAsString(u"Cliente", client);
  reg.Post();
}

QStringList Clients(const ReceiptRegister& reg)
{
  QStringList clients;
  for (qsizetype i = 0; i < reg.RecordCount(); ++i) clients << reg.Record(i).Cliente;
  return clients;
}

std::string MessageOf(const std::function<void()>& action)
{
  try {
    action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(ReceiptRegister, InsertPlacesTheNewRowAtTheCurrentRowAndMakesItCurrent)
{
  ReceiptRegister reg;
  EXPECT_TRUE(reg.IsEmpty());
  EXPECT_EQ(reg.CurrentIndex(), -1);

  InsertClient(reg, QStringLiteral("A"));
  InsertClient(reg, QStringLiteral("B"));
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
  EXPECT_EQ(reg.CurrentIndex(), 0);

  reg.MoveTo(1);
  InsertClient(reg, QStringLiteral("C"));
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
  EXPECT_EQ(reg.CurrentIndex(), 1);
  EXPECT_EQ(reg.FieldAsString(u"cliente"), QStringLiteral("C"));
  EXPECT_FALSE(reg.IsEmpty());
}

TEST(ReceiptRegister, DeleteRemovesTheCurrentRowAndNeedsOne)
{
  ReceiptRegister reg;
  EXPECT_EQ(MessageOf([&] { reg.Delete(); }), "cdsReg: Cannot perform this operation on an empty dataset");
  for (const char* client : {"C", "B", "A"}) InsertClient(reg, QString::fromLatin1(client));

  reg.MoveTo(1);
  reg.Delete();
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
  EXPECT_EQ(reg.FieldAsString(u"Cliente"), QStringLiteral("C"));  // the row after the deleted one
  reg.Delete();
  EXPECT_EQ(reg.FieldAsString(u"Cliente"), QStringLiteral("A"));  // the last row went: the one before
  reg.Delete();
  EXPECT_TRUE(reg.IsEmpty());
  EXPECT_EQ(reg.CurrentIndex(), -1);
  EXPECT_EQ(MessageOf([&] { reg.Delete(); }), "cdsReg: Cannot perform this operation on an empty dataset");
}

TEST(ReceiptRegister, InsertIsPendingUntilPostedOrCancelled)
{
  ReceiptRegister reg;
  InsertClient(reg, QStringLiteral("A"));
  reg.Insert();
  reg.SetFieldAsString(u"Cliente", QStringLiteral("PENDING"));
  EXPECT_EQ(reg.Current().Cliente, QStringLiteral("PENDING"));
  EXPECT_EQ(reg.RecordCount(), 1);
  reg.Cancel();
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("A")}));

  reg.Insert();
  reg.Delete();  // drops the new row, not the current one
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("A")}));

  reg.Insert();
  reg.SetFieldAsString(u"Cliente", QStringLiteral("B"));
  reg.First();  // a move posts the new row
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
  EXPECT_EQ(reg.CurrentIndex(), 0);
}

TEST(ReceiptRegister, FieldsAreReadAndSetAsTextIntegerAndCurrency)
{
  ReceiptRegister reg;
  reg.Insert();
  reg.SetFieldAsString(u"Cliente", QString(250, u'Ç'));
  reg.SetFieldAsString(u"CNPJ", QStringLiteral("123.456.789-09 and much more"));
  reg.SetFieldAsCurrency(u"Valor", Amount::FromTicks(15000000));
  reg.SetFieldAsString(u"Referente", QString(5000, u'x') + u'\n');
  reg.SetFieldAsInteger(u"Tipo", 1);
  reg.SetFieldAsString(u"CODIGO", QStringLiteral("42"));
  reg.SetFieldAsString(u"Autenticacao", QStringLiteral("70350F6027BCE3713F6B76473084309B"));
  reg.Post();

  EXPECT_EQ(reg.FieldAsString(u"Cliente"), QString(200, u'Ç'));  // cut to the field's size
  EXPECT_EQ(reg.FieldAsString(u"CNPJ"), QStringLiteral("123.456.789-09 and m"));
  EXPECT_EQ(reg.FieldAsCurrency(u"Valor").Ticks(), 15000000);
  EXPECT_EQ(reg.FieldAsString(u"Valor"), QStringLiteral("1500"));
  EXPECT_EQ(reg.FieldAsString(u"Referente").size(), 5001);  // a memo has no size
  EXPECT_EQ(reg.FieldAsInteger(u"Tipo"), 1);
  EXPECT_EQ(reg.FieldAsInteger(u"Codigo"), 42);
  EXPECT_EQ(reg.FieldAsString(u"Autenticacao"), QStringLiteral("70350F6027BCE3713F6B76473084309B"));
}

TEST(ReceiptRegister, FieldMisuseIsAnErrorNamingTheRegister)
{
  ReceiptRegister reg;
  EXPECT_EQ(reg.FieldAsString(u"Cliente"), QString());  // an empty register reads as empty
  EXPECT_EQ(reg.FieldAsCurrency(u"Valor").Ticks(), 0);
  EXPECT_EQ(MessageOf([&] { reg.SetFieldAsString(u"Cliente", QStringLiteral("A")); }), "cdsReg: Dataset not in insert mode");
  EXPECT_EQ(MessageOf([&] { reg.Post(); }), "cdsReg: Dataset not in insert mode");
  reg.Insert();
  EXPECT_EQ(MessageOf([&] { reg.FieldAsString(u"Dia"); }), "cdsReg: Field 'Dia' not found");
  EXPECT_EQ(MessageOf([&] { reg.SetFieldAsInteger(u"Valor", 1); }), "cdsReg: Field 'Valor' is not an integer field");
  EXPECT_EQ(MessageOf([&] { reg.FieldAsCurrency(u"Codigo"); }), "cdsReg: Field 'Codigo' is not a currency field");
  EXPECT_EQ(MessageOf([&] { reg.SetFieldAsString(u"Valor", QStringLiteral("1.234,56")); }),
            "cdsReg: Field 'Valor': '1.234,56' não é um valor válido");
  EXPECT_EQ(MessageOf([&] { reg.SetFieldAsString(u"Tipo", QStringLiteral("x")); }), "cdsReg: Field 'Tipo': 'x' não é um número inteiro válido");
}

class ReceiptRegisterFileTest : public FolderTest {
protected:
  QString Register() const { return PathOf(QStringLiteral("recibo.xml")); }
};

TEST_F(ReceiptRegisterFileTest, LoadReplacesEveryRowAndGoesToTheFirst)
{
  WriteRegisterFile(Register(), Packed(SampleRecords(3)));
  ReceiptRegister reg;
  InsertClient(reg, QStringLiteral("TO BE REPLACED"));
  reg.LoadFromFile(Register());
  EXPECT_EQ(reg.RecordCount(), 3);
  EXPECT_EQ(reg.CurrentIndex(), 0);
  EXPECT_EQ(reg.Current(), SampleRecord(1));

  reg.MoveTo(2);
  reg.Delete();
  InsertClient(reg, QStringLiteral("NEW"));
  reg.SaveToFile(Register());
  const std::vector<ReceiptRecord> saved = Unpacked(ReadRegisterFile(Register()));
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[0].Codigo, 1);
  EXPECT_EQ(saved[1].Cliente, QStringLiteral("NEW"));
  EXPECT_EQ(saved[2].Codigo, 2);
}

TEST_F(ReceiptRegisterFileTest, StartUpCreatesAMissingRegisterAndLoadsAnExistingOne)
{
  ReceiptRegister fresh;
  fresh.LoadOrCreate(Register());
  EXPECT_TRUE(ReadRegisterFile(Register()).empty());

  WriteRegisterFile(Register(), Packed(SampleRecords(2)));
  ReceiptRegister reg;
  reg.LoadOrCreate(Register());
  EXPECT_EQ(reg.RecordCount(), 2);
}

TEST_F(ReceiptRegisterFileTest, ARegisterThatCannotBeReadIsNeverSavedOver)
{
  const QByteArray damaged = "<DATAPACKET><METADATA><FIELDS>";
  WriteBytes(Register(), damaged);
  ReceiptRegister reg;
  InsertClient(reg, QStringLiteral("KEPT"));
  EXPECT_THROW(reg.LoadOrCreate(Register()), FileError);
  EXPECT_EQ(Clients(reg), QStringList({QStringLiteral("KEPT")}));  // a failed load changes nothing

  EXPECT_THAT(MessageOf([&] { reg.SaveToFile(Register()); }), HasSubstr("could not be read and is not written over"));
  EXPECT_EQ(ReadBytes(Register()), damaged);
  reg.SaveToFile(PathOf(QStringLiteral("elsewhere.xml")));
  EXPECT_EQ(ReadRegisterFile(PathOf(QStringLiteral("elsewhere.xml"))).size(), 1u);
}
