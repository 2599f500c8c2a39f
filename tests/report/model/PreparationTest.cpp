#include "report/format/Errors.h"
#include "report/model/Class.h"
#include "tests/support/IssuedReceipt.h"

#include "report/model/Engine.h"
#include "report/model/PreviewPages.h"

#include <QDate>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class PreparedReceiptTest : public testing::Test {
protected:
  void SetUp() override { FillReceipt(report); }

  quitanza::report::MemoView& PreparedMemo(const QString& name, int page = 0)
  {
    quitanza::report::ReportPage* prepared = report.PreviewPages().GetPage(page);
    EXPECT_NE(prepared, nullptr);
    auto* memo = dynamic_cast<quitanza::report::MemoView*>(prepared->FindObject(name));
    EXPECT_NE(memo, nullptr) << name.toStdString();
    return *memo;
  }

  quitanza::report::Report report;
};

TEST_F(PreparedReceiptTest, StoresOnePageWithOneNullBandHoldingTheVisibleObjects)
{
  ASSERT_TRUE(report.PrepareReport());
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  ASSERT_EQ(pages.Count(), 1);
  const quitanza::report::XMLItem& page = pages.PagesItem().Items(0);
  EXPECT_EQ(page.Name, u"page0");
  ASSERT_EQ(page.Count(), 1);
  EXPECT_EQ(page.Items(0).Name, u"TfrxNullBand");
  const auto* templatePage = dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")));
  ASSERT_NE(templatePage, nullptr);
  EXPECT_EQ(page.Items(0).Count(), static_cast<int>(templatePage->Objects().size()));
  EXPECT_EQ(pages.GetPageSize(0), QSize(794, 1123));
  EXPECT_EQ(pages.GetPageSize(1), QSize(0, 0));
}

TEST_F(PreparedReceiptTest, NullBandCoversThePrintableArea)
{
  ASSERT_TRUE(report.PrepareReport());
  const quitanza::report::Component* band = report.PreviewPages().GetPage(0)->Objects().at(0);
  EXPECT_NEAR(static_cast<double>(band->Width()), 718.1107, 0.001);
  EXPECT_NEAR(static_cast<double>(band->Height()), 1046.92981, 0.001);
  EXPECT_EQ(band->Left(), 0);
  EXPECT_EQ(band->Top(), 0);
}

TEST_F(PreparedReceiptTest, MemosShowTheExpandedTexts)
{
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_EQ(PreparedMemo(QStringLiteral("Cliente")).Text(), u"123.456.789-09 - JOÃO D'ÁVILA\r\n");
  EXPECT_EQ(PreparedMemo(QStringLiteral("Empresa")).Text(), u"PAPELARIA SÃO JOSÉ LTDA\r\n");
  EXPECT_EQ(PreparedMemo(QStringLiteral("MD5")).Text(), u"Autenticação: 6F1ED002AB5595859014EBF0951522D9\r\n");
  EXPECT_EQ(PreparedMemo(QStringLiteral("Memo1")).Text(), u"RECIBO\r\n");
  const QDate today = report.Engine().StartDate;
  const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
  const QString longDate = brazil.toString(today, QStringLiteral("dddd, dd 'de' MMMM 'de' yyyy"));
  EXPECT_EQ(PreparedMemo(QStringLiteral("Date")).Text(), QStringLiteral("Franca , ") + longDate + QStringLiteral("\r\n"));
}

TEST_F(PreparedReceiptTest, TheTemplateKeepsItsExpressions)
{
  ASSERT_TRUE(report.PrepareReport());
  auto* cliente = dynamic_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("Cliente")));
  ASSERT_NE(cliente, nullptr);
  EXPECT_EQ(cliente->Text(), u"[CPF_CNPJ] - [Cliente]\r\n");
}

TEST_F(PreparedReceiptTest, AnUnquotedVariableFailsAsUndeclaredIdentifierAndLeavesThePageEmpty)
{
  report.Variables.SetValue(QStringLiteral("Cliente"), QStringLiteral("ANA"));
  EXPECT_FALSE(report.PrepareReport());
  EXPECT_TRUE(report.Errors.Contains(
      QStringLiteral("Cliente: Error in expression 'ANA': Undeclared identifier: 'ANA'")));
  ASSERT_EQ(report.PreviewPages().Count(), 1);
  EXPECT_EQ(report.PreviewPages().PagesItem().Items(0).Count(), 0);
  EXPECT_FALSE(report.Engine().Running);
}

TEST_F(PreparedReceiptTest, ErrorsAreRaisedAsOneMessageWhenAsked)
{
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  report.Variables.SetValue(QStringLiteral("Cliente"), QStringLiteral("ANA"));
  try {
    report.PrepareReport();
    FAIL() << "no error raised";
  } catch (const quitanza::report::ReportError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("The following error(s) have occured:\r\n"
                                              "Cliente: Error in expression 'ANA': Undeclared identifier: 'ANA'"));
  }
}

TEST_F(PreparedReceiptTest, ChangesMadeWhilePreparingDoNotStayInTheReport)
{
  QTemporaryDir dir;
  const QString logo = dir.filePath(QStringLiteral("logo.png"));
  QImage image(8, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(logo));
  int calls = 0;
  report.OnBeforePrint = [&](quitanza::report::ReportComponent*) {
    ++calls;
    for (const char16_t* name : {u"Picture1", u"Picture3"}) {
      if (auto* picture = dynamic_cast<quitanza::report::PictureView*>(report.FindObject(QString::fromUtf16(name)))) {
        picture->SetBounds(picture->Left(), picture->Top(), 143.62L, 83.15L);
        picture->LoadPictureFromFile(logo);
      }
    }
  };
  ASSERT_TRUE(report.PrepareReport());
  const int objects = static_cast<int>(report.FindObject(QStringLiteral("Page1"))->Objects().size());
  EXPECT_EQ(calls, objects + 1);
  auto* templatePicture = dynamic_cast<quitanza::report::PictureView*>(report.FindObject(QStringLiteral("Picture1")));
  ASSERT_NE(templatePicture, nullptr);
  EXPECT_TRUE(templatePicture->Picture().IsEmpty());
  auto* prepared = dynamic_cast<quitanza::report::PictureView*>(report.PreviewPages().GetPage(0)->FindObject(QStringLiteral("Picture1")));
  ASSERT_NE(prepared, nullptr);
  EXPECT_EQ(prepared->Picture().Width(), 8);
  EXPECT_NEAR(static_cast<double>(prepared->Width()), 143.62, 0.0001);
}

TEST_F(PreparedReceiptTest, BeforePrintSeesTheNullBandFirstThenEveryObjectInvisibleOnesToo)
{
  report.FindObject(QStringLiteral("Memo3"))->SetVisible(false);
  QStringList seen;
  report.OnBeforePrint = [&](quitanza::report::ReportComponent* sender) { seen.append(sender->Name()); };
  ASSERT_TRUE(report.PrepareReport());
  ASSERT_FALSE(seen.isEmpty());
  EXPECT_EQ(seen.first(), QString());
  EXPECT_EQ(seen.at(1), u"Shape1");
  EXPECT_TRUE(seen.contains(QStringLiteral("Memo3")));
  EXPECT_EQ(report.PreviewPages().GetPage(0)->FindObject(QStringLiteral("Memo3")), nullptr);
}

TEST_F(PreparedReceiptTest, PageCountProducesEvaluatedCopies)
{
  dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")))->SetPageCount(2);
  ASSERT_TRUE(report.PrepareReport());
  ASSERT_EQ(report.PreviewPages().Count(), 2);
  EXPECT_EQ(PreparedMemo(QStringLiteral("Cliente"), 1).Text(), u"123.456.789-09 - JOÃO D'ÁVILA\r\n");
}

TEST_F(PreparedReceiptTest, PreparingAgainWithoutClearingAppendsPagesWithContinuedAliases)
{
  ASSERT_TRUE(report.PrepareReport(true));
  const quitanza::report::PreviewDictionary& dictionary = report.PreviewPages().Dictionary();
  const int aliases = dictionary.Count();
  int memos = 0;
  for (int i = 0; i < aliases; ++i)
    memos += dictionary.Items(i).Alias.startsWith(QLatin1Char('m')) ? 1 : 0;
  ASSERT_TRUE(report.PrepareReport(false));
  quitanza::report::PreviewPages& pages = report.PreviewPages();
  ASSERT_EQ(pages.Count(), 2);
  EXPECT_EQ(pages.SourcePageCount(), 2);
  EXPECT_EQ(pages.PagesItem().Items(0).Name, u"page0");
  EXPECT_EQ(pages.PagesItem().Items(1).Name, u"page1");
  EXPECT_EQ(pages.Dictionary().Count(), 2 * aliases);
  // The first memo of the second run continues the numbering of the first.
  const quitanza::report::SourceObject* next = pages.Dictionary().Find(QLatin1Char('m') + QString::number(memos + 1));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->SourceName, u"Page1.Empresa");
  EXPECT_EQ(PreparedMemo(QStringLiteral("Cliente"), 1).Text(), u"123.456.789-09 - JOÃO D'ÁVILA\r\n");
}

TEST_F(PreparedReceiptTest, TitleMemoIsStoredAsItsTextOnly)
{
  ASSERT_TRUE(report.PrepareReport());
  const quitanza::report::XMLItem& band = report.PreviewPages().PagesItem().Items(0).Items(0);
  const QString alias = report.PreviewPages().Dictionary().Items(0).Alias;
  bool found = false;
  for (int i = 0; i < band.Count(); ++i) {
    if (band.Items(i).Text == "u=\"RECIBO\"") {
      found = true;
      EXPECT_TRUE(band.Items(i).Name.startsWith(QLatin1Char('m')));
    }
  }
  EXPECT_TRUE(found);
  EXPECT_EQ(alias, u"s1");
}

// Preparation stores the page and reads it back; a short text holding what
// looks like a reference must come out as it went in.
TEST_F(PreparedReceiptTest, TextsThatLookLikeReferencesSurvivePreparation)
{
  for (const QString& text : {QStringLiteral("R&#65;Z"), QStringLiteral("A &amp; B"), QStringLiteral("&lt;x&gt;"),
                              QStringLiteral("P & F")}) {
    // Preparation reloads the report: the object is found again every round.
    auto* title = dynamic_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("Memo1")));
    ASSERT_NE(title, nullptr);
    title->SetText(text);
    report.PreviewPages().Clear();
    ASSERT_TRUE(report.PrepareReport());
    EXPECT_EQ(PreparedMemo(QStringLiteral("Memo1")).Text(), text + QStringLiteral("\r\n"));
  }
}

TEST(Preparation, AnEmptyReportPreparesNoPages)
{
  quitanza::report::Report report;
  EXPECT_TRUE(report.PrepareReport());
  EXPECT_EQ(report.PreviewPages().Count(), 0);
  EXPECT_EQ(report.PreviewPages().GetPage(0), nullptr);
}

TEST(Preparation, ProgressOfKindZeroCountsThePages)
{
  quitanza::report::Report report;
  FillReceipt(report);
  dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")))->SetPageCount(3);
  QList<int> progress;
  report.OnProgress = [&](quitanza::report::Report*, int kind, int page) {
    EXPECT_EQ(kind, 0);
    progress.append(page);
  };
  ASSERT_TRUE(report.PrepareReport());
  EXPECT_EQ(progress, (QList<int>{1, 2, 3}));
}

TEST(Preparation, TerminatedStopsAfterTheCurrentPage)
{
  quitanza::report::Report report;
  FillReceipt(report);
  dynamic_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Page1")))->SetPageCount(5);
  report.OnProgress = [&](quitanza::report::Report* r, int, int page) {
    if (page == 2)
      r->Terminated = true;
  };
  EXPECT_FALSE(report.PrepareReport());
  EXPECT_EQ(report.PreviewPages().Count(), 2);
}

}  // namespace
