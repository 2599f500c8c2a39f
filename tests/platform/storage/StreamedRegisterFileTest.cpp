#include "platform/files/FileError.h"
#include "platform/storage/ReceiptRegister.h"
#include "platform/storage/RegisterFile.h"
#include "platform/storage/StreamedRegisterFile.h"
#include "tests/platform/storage/SampleRecords.h"
#include "tests/platform/storage/StorageTestSupport.h"

using namespace quitanza::platform;

using ::testing::HasSubstr;

namespace {

// The bytes of a register of these records as the whole-file writer makes them.
QByteArray FullSave(const QString& path, const std::vector<ReceiptRecord>& records)
{
  WriteRegisterFile(path, Packed(records));
  return ReadBytes(path);
}

ReceiptRecord WithoutDate(ReceiptRecord record)
{
  record.Data = QDateTime();
  return record;
}

}  // namespace

class StreamedRegisterFileTest : public FolderTest {
protected:
  QString Register() const { return PathOf(QStringLiteral("recibo.xml")); }
  QString Expected() const { return PathOf(QStringLiteral("expected.xml")); }
};

TEST_F(StreamedRegisterFileTest, InsertingWritesWhatTheWholeFileWriterWritesForTheSameRows)
{
  // Rows without a date leave the last attribute out, and a Codigo of its own
  // width, so the rows copied around the new ones differ in length.
  std::vector<ReceiptRecord> stored = SampleRecords(6);
  stored[2] = WithoutDate(stored[2]);
  stored[4].Codigo = -2147483647;
  const struct {
    const char* name;
    std::vector<qsizetype> at;  // ascending, in the register being written
  } cases[] = {
    {"none", {}},
    {"in front", {0}},
    {"in front, two", {0, 1}},
    {"in the middle and at the end", {3, 5, 8}},
    {"after the last", {6}},
  };
  for (const auto& c : cases) {
    WriteRegisterFile(Register(), Packed(stored));
    std::vector<ReceiptRecord> all = stored;
    std::vector<StreamedRegisterFile::Insertion> insertions;
    for (qsizetype index : c.at) {
      const ReceiptRecord added = SampleRecord(100 + static_cast<int>(index));
      all.insert(all.begin() + index, added);
      insertions.emplace_back(index, added);
    }
    const auto file = StreamedRegisterFile::Open(Register());
    ASSERT_TRUE(file) << c.name;
    EXPECT_EQ(file->RowCount(), 6) << c.name;
    file->WriteWithInsertions(Register(), insertions);
    EXPECT_EQ(ReadBytes(Register()), FullSave(Expected(), all)) << c.name;
    EXPECT_EQ(Unpacked(ReadRegisterFile(Register())), all) << c.name;
  }
}

TEST_F(StreamedRegisterFileTest, GoesThroughRowsAsTheWholeFileReaderDoes)
{
  std::vector<ReceiptRecord> records = SampleRecords(40);
  records[7].Codigo = 9999;
  records[8] = WithoutDate(records[8]);
  records[9].Cliente = QStringLiteral(u"\"ASPAS\" & <SINAIS> 😀");
  WriteRegisterFile(Register(), Packed(records));

  const auto file = StreamedRegisterFile::Open(Register());
  ASSERT_TRUE(file);
  EXPECT_EQ(file->RowCount(), 40);
  EXPECT_EQ(file->HighestCodigo(), 9999);
  std::vector<ReceiptRecord> seen;
  file->ForEachRecord([&](const ReceiptRecord& record) { seen.push_back(record); });
  EXPECT_EQ(seen, records);

  WriteRegisterFile(Register(), {});
  const auto empty = StreamedRegisterFile::Open(Register());
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->RowCount(), 0);
  EXPECT_EQ(empty->HighestCodigo(), 0);
}

// Whatever this program would not have written is left to the whole-file
// reader, which takes other writers' files and says what is wrong with bad ones.
TEST_F(StreamedRegisterFileTest, TakesOnlyFilesInItsOwnForm)
{
  const QByteArray own = FullSave(Register(), SampleRecords(3));
  const qsizetype rowsStart = own.indexOf("<ROW ");
  const qsizetype rowsEnd = own.indexOf("</ROWDATA>");
  const auto replaced = [&](const char* from, const char* to) { return QByteArray(own).replace(from, to); };
  const struct {
    const char* name;
    QByteArray content;
  } cases[] = {
    {"a line break between rows", QByteArray(own).insert(rowsEnd, "\n")},
    {"attributes in another order", replaced(" Tipo=\"0\" Codigo=", " Codigo=").replace("\" Autenticacao=", "\" Tipo=\"0\" Autenticacao=")},
    {"an attribute of another writer", replaced(" Tipo=", " Extra=\"1\" Tipo=")},
    {"a row without its number", QByteArray(own).replace(QByteArrayView(" Codigo=\"1\""), QByteArrayView(""))},
    {"a number that is no number", QByteArray(own).replace(QByteArrayView(" Codigo=\"1\""), QByteArrayView(" Codigo=\"1x\""))},
    {"a comment among the rows", QByteArray(own).insert(rowsStart, "<!-- -->")},
    {"a Windows-1252 byte", QByteArray(own).insert(own.indexOf("Cliente=\"", rowsStart) + 9, "\xC9")},
    {"cut short", own.first(own.size() - 5)},
    {"cut inside a row", own.first(rowsStart + 20)},
    {"bytes after the packet", own + "\n"},
    {"another head", QByteArray(own).replace(QByteArrayView("standalone=\"yes\""), QByteArrayView(""))},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.content, own) << c.name << ": the case changes nothing";
    WriteBytes(Register(), c.content);
    EXPECT_FALSE(StreamedRegisterFile::Open(Register())) << c.name;
  }
  EXPECT_THROW(StreamedRegisterFile::Open(PathOf(QStringLiteral("missing.xml"))), FileError);
}

TEST_F(StreamedRegisterFileTest, AValueItsFieldCannotTakeIsReportedWithItsRow)
{
  const QByteArray own = FullSave(Register(), SampleRecords(3));
  const qsizetype secondRow = own.indexOf("<ROW ", own.indexOf("<ROW ") + 1);
  const qsizetype valor = own.indexOf("Valor=\"", secondRow) + 7;
  WriteBytes(Register(), QByteArray(own).insert(valor, "x"));
  const auto file = StreamedRegisterFile::Open(Register());
  ASSERT_TRUE(file);
  int taken = 0;
  try {
    file->ForEachRecord([&](const ReceiptRecord&) { ++taken; });
    ADD_FAILURE() << "no error for a bad amount";
  } catch (const FileError& error) {
    EXPECT_THAT(error.what(), HasSubstr("linha 2, campo Valor"));
  }
  EXPECT_EQ(taken, 1);
}

// The window's register writes only what it posted since it loaded or saved.
TEST_F(StreamedRegisterFileTest, TheRegisterSavesWhatTheWholeFileWriterWouldWrite)
{
  const auto insertAt = [](ReceiptRegister& reg, qsizetype index, int number) {
    reg.MoveTo(index);
    reg.Insert();
    const ReceiptRecord record = SampleRecord(number);
    reg.SetFieldAsString(u"Cliente", record.Cliente);
    reg.SetFieldAsInteger(u"Codigo", record.Codigo);
    reg.Post();
  };
  const auto all = [](const ReceiptRegister& reg) {
    std::vector<ReceiptRecord> records;
    for (qsizetype i = 0; i < reg.RecordCount(); ++i) records.push_back(reg.Record(i));
    return records;
  };
  WriteRegisterFile(Register(), Packed(SampleRecords(5)));
  ReceiptRegister reg;
  reg.LoadFromFile(Register());
  insertAt(reg, 2, 50);
  insertAt(reg, 0, 51);
  insertAt(reg, 4, 52);
  reg.MoveTo(4);
  reg.Delete();  // one of the new rows: the stored ones are still as the file holds them
  reg.SaveToFile(Register());
  EXPECT_EQ(ReadBytes(Register()), FullSave(Expected(), all(reg)));

  insertAt(reg, 1, 53);
  reg.MoveTo(3);
  reg.Delete();  // a stored row
  reg.SaveToFile(Register());
  EXPECT_EQ(ReadBytes(Register()), FullSave(Expected(), all(reg)));
  EXPECT_EQ(Unpacked(ReadRegisterFile(Register())), all(reg));
}
