#include "report/format/Errors.h"
#include "report/format/Float.h"
#include "report/model/Class.h"
#include "tests/support/IssuedReceipt.h"

#include "report/model/PreviewPages.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class PreviewPagesTest : public testing::Test {
protected:
  void Prepare(int pageCount)
  {
    FillReceipt(report);
    dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")))->SetPageCount(pageCount);
    ASSERT_TRUE(report.PrepareReport());
  }

  QByteArray Saved()
  {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    report.PreviewPages().SaveToStream(buffer);
    return bytes;
  }

  // Texts of every memo of a page, in page order.
  static QStringList MemoTexts(quitanza::report::ReportPage& page)
  {
    QStringList texts;
    for (quitanza::report::Component* object : page.AllObjects()) {
      if (auto* memo = dynamic_cast<quitanza::report::MemoView*>(object))
        texts.append(memo->Name() + QLatin1Char('=') + memo->Text());
    }
    return texts;
  }

  quitanza::report::Report report;
};

TEST_F(PreviewPagesTest, AtMostPagesInCacheRebuiltPagesAreKept)
{
  Prepare(60);
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  for (int i = 0; i < pages.Count(); ++i)
    ASSERT_NE(pages.GetPage(i), nullptr);
  EXPECT_EQ(pages.PageCacheCount(), 50);
  // The most recent page comes from the cache.
  EXPECT_EQ(pages.GetPage(59), pages.GetPage(59));
}

TEST_F(PreviewPagesTest, ReusedSourcePagesGiveThePagesFreshCopiesGive)
{
  Prepare(1);
  const QByteArray fresh = Saved();
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  // A mark no copy of the template carries: it stays while a copy is reused.
  const auto mark = [&] { const_cast<quitanza::report::ReportPage&>(pages.SourcePage(0)).Tag = 7; };
  const auto reused = [&] { return pages.SourcePage(0).Tag == 7; };
  mark();

  pages.ReuseSourcePages(true);
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_FALSE(reused());  // made before reuse was asked for
  // Restoring the report after preparing replaces the objects copied.
  mark();
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_FALSE(reused());
  report.EngineOptions.RestoreReportAfterPreparing = false;
  ASSERT_TRUE(report.PrepareReport());
  mark();
  for (int preparation = 0; preparation < 2; ++preparation)
    ASSERT_TRUE(report.PrepareReport());
  EXPECT_TRUE(reused());
  EXPECT_EQ(pages.SourcePageCount(), 1);
  const_cast<quitanza::report::ReportPage&>(pages.SourcePage(0)).Tag = 0;
  EXPECT_EQ(Saved(), fresh);
  // Appending reuses too.
  mark();
  ASSERT_TRUE(report.PrepareReport(false));
  EXPECT_TRUE(reused());
  EXPECT_EQ(pages.SourcePageCount(), 1);
  EXPECT_EQ(pages.Count(), 2);

  // A new template: its page is copied again.
  FillReceipt(report);
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_FALSE(reused());
  EXPECT_EQ(Saved(), fresh);

  // Without reuse every preparation copies anew.
  mark();
  pages.ReuseSourcePages(false);
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_FALSE(reused());
  EXPECT_EQ(Saved(), fresh);
}

TEST_F(PreviewPagesTest, ASavedFileLoadsBackIntoTheSamePages)
{
  Prepare(3);
  QStringList before;
  for (int i = 0; i < 3; ++i)
    before.append(MemoTexts(*report.PreviewPages().GetPage(i)));
  const QByteArray file = Saved();
  EXPECT_TRUE(file.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?><preparedreport>"));
  // Every page comes from source page 0; only the third is unloadable.
  EXPECT_EQ(file.count("<page0 ld=\"0\">"), 1);
  EXPECT_EQ(file.count("<page0>"), 2);
  EXPECT_TRUE(file.contains("<dictionary><s1 name=\"Page0.Shape1\"/>")) << file.mid(file.indexOf("<dictionary"), 80).toStdString();

  for (bool partial : {false, true}) {
    quitanza::report::Report loaded;
    loaded.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    ASSERT_TRUE(loaded.PreviewPages().LoadFromStream(buffer, partial));
    ASSERT_EQ(loaded.PreviewPages().Count(), 3);
    QStringList after;
    for (int i = 0; i < 3; ++i)
      after.append(MemoTexts(*loaded.PreviewPages().GetPage(i)));
    EXPECT_EQ(after, before);
    EXPECT_EQ(loaded.PreviewPages().GetPageSize(2), QSize(794, 1123));
  }
}

TEST_F(PreviewPagesTest, FilesOnDiskRoundTripWithPartialLoading)
{
  Prepare(4);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("recibo.fp3"));
  report.PreviewPages().SaveToFile(path);
  quitanza::report::Report loaded;
  ASSERT_TRUE(loaded.PreviewPages().LoadFromFile(path));
  EXPECT_FALSE(loaded.PreviewPages().PagesItem().Items(3).Loaded);
  EXPECT_EQ(MemoTexts(*loaded.PreviewPages().GetPage(3)), MemoTexts(*report.PreviewPages().GetPage(3)));
  EXPECT_FALSE(loaded.PreviewPages().LoadFromFile(dir.filePath(QStringLiteral("missing.fp3"))));
}

TEST_F(PreviewPagesTest, UnloadedPagesComeBackFromTheTemporaryFile)
{
  report.EngineOptions.UseFileCache = true;
  report.EngineOptions.MaxMemSize = 0;
  Prepare(6);
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  EXPECT_FALSE(pages.PagesItem().Items(3).Loaded);
  EXPECT_TRUE(pages.PagesItem().Items(1).Loaded);
  EXPECT_TRUE(MemoTexts(*pages.GetPage(3)).contains(QStringLiteral(u"Cliente=123.456.789-09 - JOÃO D'ÁVILA\r\n")));
  // Saving reads unloaded pages back too.
  const QByteArray file = Saved();
  quitanza::report::Report loaded;
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  ASSERT_TRUE(loaded.PreviewPages().LoadFromStream(buffer));
  EXPECT_EQ(MemoTexts(*loaded.PreviewPages().GetPage(4)), MemoTexts(*pages.GetPage(4)));
}

TEST_F(PreviewPagesTest, PicturesComeBackFromTheCache)
{
  Prepare(1);
  auto* maker = dynamic_cast<quitanza::report::PictureView*>(report.PreviewPages().GetPage(0)->FindObject(QStringLiteral("Picture2")));
  ASSERT_NE(maker, nullptr);
  EXPECT_FALSE(maker->Picture().IsEmpty());
  EXPECT_GE(maker->ImageIndex, 1);
  // One entry per picture that was stored with a graphic.
  EXPECT_EQ(report.PreviewPages().PictureCache().Count(), 2);
}

// The prepared pages' source copies, and pages rebuilt from them, hold
// floats as a prepared report file holds them, so that a report shows the
// same prepared here as saved and loaded again; a plain copy keeps them exact.
TEST_F(PreviewPagesTest, SourceCopiesHoldFloatsAsFilesDo)
{
  FillReceipt(report);
  auto* page = dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")));
  ASSERT_NE(page, nullptr);
  page->SetPageCount(1);
  quitanza::report::MemoView* memo = nullptr;
  for (quitanza::report::Component* object : page->AllObjects()) {
    if (!memo && !object->Name().isEmpty())
      memo = dynamic_cast<quitanza::report::MemoView*>(object);
  }
  ASSERT_NE(memo, nullptr);
  const long double width = 100.0L / 3;
  const long double margin = 10.0L / 3;
  ASSERT_NE(FileFloat(width), width);
  memo->SetWidth(width);
  page->LeftMargin = margin;

  quitanza::report::MemoView copy;
  copy.Assign(*memo);
  EXPECT_EQ(copy.Width(), width);

  const QString name = memo->Name();
  ASSERT_TRUE(report.PrepareReport());
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  const quitanza::report::Component* source = pages.SourcePage(0).FindObject(name);
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->Width(), FileFloat(width));
  quitanza::report::ReportPage* rebuilt = pages.GetPage(0);
  const quitanza::report::Component* shown = rebuilt->FindObject(name);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Width(), FileFloat(width));
  EXPECT_EQ(rebuilt->LeftMargin, FileFloat(margin));

  quitanza::report::Report loaded;
  QBuffer buffer;
  buffer.setData(Saved());
  buffer.open(QIODevice::ReadOnly);
  ASSERT_TRUE(loaded.PreviewPages().LoadFromStream(buffer));
  quitanza::report::ReportPage* reread = loaded.PreviewPages().GetPage(0);
  ASSERT_NE(reread->FindObject(name), nullptr);
  EXPECT_EQ(reread->FindObject(name)->Width(), shown->Width());
  EXPECT_EQ(reread->LeftMargin, rebuilt->LeftMargin);
}

TEST(PreviewDictionary, AliasesCountUpPerPrefix)
{
  quitanza::report::PreviewDictionary dictionary;
  quitanza::report::MemoView memo;
  EXPECT_EQ(dictionary.UniqueAlias(QStringLiteral("m")), u"m1");
  for (int i = 1; i <= 30; ++i)
    dictionary.Add(dictionary.UniqueAlias(QStringLiteral("m")), QString(), memo);
  EXPECT_EQ(dictionary.UniqueAlias(QStringLiteral("m")), u"m31");
  EXPECT_EQ(dictionary.UniqueAlias(QStringLiteral("s")), u"s1");
  // Aliases read from a file: counting starts at the first taken number on
  // the way down from 10000; a number spelt with leading zeros is another alias.
  dictionary.Add(QStringLiteral("m10000"), QString(), memo);
  dictionary.Add(QStringLiteral("s007"), QString(), memo);
  dictionary.Add(QStringLiteral("s"), QString(), memo);
  EXPECT_EQ(dictionary.UniqueAlias(QStringLiteral("m")), u"m10001");
  EXPECT_EQ(dictionary.UniqueAlias(QStringLiteral("s")), u"s1");
}

// Damaged and hostile prepared report files: a clear error, never a crash.
struct DamagedFile {
  const char* what;
  QByteArray content;
};

class DamagedPreparedReport : public PreviewPagesTest, public testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedPreparedReport, IsRefusedWithAnInvalidFormatError)
{
  quitanza::report::Report loaded;
  loaded.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  QBuffer buffer;
  buffer.setData(GetParam().content);
  buffer.open(QIODevice::ReadOnly);
  const bool ok = loaded.PreviewPages().LoadFromStream(buffer);
  if (ok) {
    // Accepted files fail when a damaged page is rebuilt, with an error.
    for (int i = 0; i < loaded.PreviewPages().Count(); ++i)
      EXPECT_THROW(loaded.PreviewPages().GetPage(i), quitanza::report::ReportError);
    return;
  }
  ASSERT_FALSE(loaded.Errors.IsEmpty());
  EXPECT_TRUE(loaded.Errors.Items().first().startsWith(QStringLiteral("Invalid file format")))
      << loaded.Errors.Text().toStdString();
  EXPECT_EQ(loaded.PreviewPages().Count(), 0);
}

QByteArray Header() { return "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>"; }

QByteArray Nested(int depth)
{
  QByteArray text = Header() + "<preparedreport><previewpages><page0>";
  for (int i = 0; i < depth; ++i)
    text += "<TfrxNullBand>";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedPreparedReport,
    testing::Values(
        DamagedFile{"not xml", "PK\x03\x04 zip"},
        DamagedFile{"truncated", Header() + "<preparedreport><previewpages><page0><m1 u=\"A"},
        DamagedFile{"wrong root", Header() + "<TfrxReport/>"},
        DamagedFile{"deeply nested", Nested(5000)},
        DamagedFile{"unknown source page class", Header() + "<preparedreport><sourcepages><TfrxDialogPage/></sourcepages></preparedreport>"},
        DamagedFile{"dictionary names nothing", Header() + "<preparedreport><dictionary><m1 name=\"Page7.Memo1\"/></dictionary></preparedreport>"},
        DamagedFile{"garbled picture", Header() + "<preparedreport><picturecache><item stream=\"ZZ\"/></picturecache></preparedreport>"},
        DamagedFile{"page without source", Header() + "<preparedreport><previewpages><page99999999999/></previewpages></preparedreport>"},
        DamagedFile{"unknown element on a page", Header() + "<preparedreport><sourcepages><TfrxReportPage Name=\"Page1\"/></sourcepages><previewpages><page0><Bogus/></page0></previewpages></preparedreport>"}),
    [](const testing::TestParamInfo<DamagedFile>& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (c == ' ')
          c = '_';
      return name;
    });

TEST(DamagedPictureIndex, GivesAnEmptyPicture)
{
  quitanza::report::Report report;
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  QBuffer buffer;
  buffer.setData(Header() +
                 "<preparedreport><sourcepages><TfrxReportPage Name=\"Page1\"><TfrxPictureView Name=\"Picture1\"/>"
                 "</TfrxReportPage></sourcepages><dictionary><p1 name=\"Page0.Picture1\"/></dictionary>"
                 "<picturecache><item stream=\"424D00\"/></picturecache><previewpages><page0>"
                 "<p1 ImageIndex=\"-7\"/><p1 ImageIndex=\"2147483647\"/><p1 ImageIndex=\"x\"/><p1 ImageIndex=\"1\"/>"
                 "</page0></previewpages></preparedreport>");
  buffer.open(QIODevice::ReadOnly);
  ASSERT_TRUE(report.PreviewPages().LoadFromStream(buffer));
  quitanza::report::ReportPage* page = report.PreviewPages().GetPage(0);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->Objects().size(), 4u);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(dynamic_cast<quitanza::report::PictureView*>(page->Objects().at(i))->Picture().IsEmpty());
  // A bitmap header that does not decode stays a bitmap that draws as nothing.
  EXPECT_FALSE(dynamic_cast<quitanza::report::PictureView*>(page->Objects().at(3))->Picture().IsEmpty());
}

}  // namespace
