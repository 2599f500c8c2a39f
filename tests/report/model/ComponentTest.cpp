#include "report/format/Errors.h"
#include "report/model/Class.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class ReportTree : public testing::Test {
protected:
  quitanza::report::Report report;
  quitanza::report::ReportPage* page = new quitanza::report::ReportPage(&report);
  quitanza::report::MemoView* memo = new quitanza::report::MemoView(page);
};

TEST_F(ReportTree, NewObjectsJoinTheirParentAndInheritItsFont)
{
  EXPECT_EQ(memo->Parent(), page);
  EXPECT_EQ(memo->Report(), &report);
  EXPECT_EQ(memo->Page(), page);
  EXPECT_TRUE(memo->ParentFont());
  EXPECT_EQ(memo->Font(), Font());
  EXPECT_EQ(memo->Font().Name, QStringLiteral("Arial"));
  EXPECT_EQ(memo->Font().Size(), 10);
  EXPECT_EQ(memo->BaseName(), QStringLiteral("Memo"));
  EXPECT_EQ(page->BaseName(), QStringLiteral("Page"));
  EXPECT_EQ(quitanza::report::LineView().BaseName(), QStringLiteral("Line"));
}

TEST_F(ReportTree, ChangingAFontPassesItToInheritingChildrenOnly)
{
  auto* own = new quitanza::report::MemoView(page);
  Font bold;
  bold.Style = FontStyle::Bold;
  own->SetFont(bold);
  EXPECT_FALSE(own->ParentFont());

  Font big;
  big.SetSize(12);
  page->SetFont(big);
  EXPECT_EQ(memo->Font().Height, -16);
  EXPECT_TRUE(memo->ParentFont());
  EXPECT_EQ(own->Font(), bold);

  own->SetParentFont(true);
  EXPECT_EQ(own->Font(), big);
}

TEST_F(ReportTree, MovingToAnotherParentReappliesParentFont)
{
  auto* other = new quitanza::report::ReportPage(&report);
  Font font;
  font.Name = QStringLiteral("Courier New");
  other->SetFont(font);
  memo->SetParent(other);
  EXPECT_EQ(memo->Font().Name, QStringLiteral("Courier New"));
  EXPECT_TRUE(page->Objects().empty());
  EXPECT_EQ(other->Objects().size(), 1U);
}

TEST_F(ReportTree, NamesAreUniqueWithinTheReportIgnoringCase)
{
  memo->SetName(QStringLiteral("Picture1"));
  auto* second = new quitanza::report::MemoView(page);
  try {
    second->SetName(QStringLiteral("picture1"));
    FAIL() << "duplicate accepted";
  } catch (const quitanza::report::DuplicateNameError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("prDupl"));
  }
  EXPECT_TRUE(second->Name().isEmpty());
  EXPECT_EQ(report.FindObject(QStringLiteral("picture1")), memo);
  EXPECT_EQ(report.FindObject(QStringLiteral("Nothing")), nullptr);

  second->CreateUniqueName();
  EXPECT_EQ(second->Name(), QStringLiteral("Memo1"));
  auto* third = new quitanza::report::MemoView(page);
  third->CreateUniqueName();
  EXPECT_EQ(third->Name(), QStringLiteral("Memo2"));
}

TEST_F(ReportTree, AllObjectsListsParentsBeforeChildrenAndFreeingDetaches)
{
  auto* band = new quitanza::report::NullBand(page);
  auto* inBand = new quitanza::report::ShapeView(band);
  const std::vector<quitanza::report::Component*> expected = {page, memo, band, inBand};
  EXPECT_EQ(report.AllObjects(), expected);
  delete band;
  EXPECT_EQ(page->Objects().size(), 1U);
  EXPECT_EQ(report.AllObjects().size(), 2U);
}

TEST_F(ReportTree, AbsolutePositionAddsTheParents)
{
  auto* band = new quitanza::report::NullBand(page);
  band->SetTop(100);
  auto* shape = new quitanza::report::ShapeView(band);
  shape->SetBounds(5, 7, 10, 10);
  EXPECT_EQ(shape->AbsLeft(), 5);
  EXPECT_EQ(shape->AbsTop(), 107);
}

TEST_F(ReportTree, RestrictionsHoldOnlyWhileDesigning)
{
  memo->Restrictions = quitanza::report::Restriction::DontMove | quitanza::report::Restriction::DontSize;
  memo->SetBounds(1, 2, 3, 4);
  EXPECT_EQ(memo->Left(), 1);
  memo->SetDesigning(true);
  memo->SetBounds(10, 20, 30, 40);
  EXPECT_EQ(memo->Left(), 1);
  EXPECT_EQ(memo->Height(), 4);
}

// Class names are found in any case, as the bytes files hold and as strings.
TEST(ClassRegistry, FindsClassesIgnoringCase)
{
  const struct {
    QAnyStringView asked;
    QString created;  // empty: not found
  } cases[] = {
      {QLatin1StringView("TfrxMemoView"), QStringLiteral("TfrxMemoView")},
      {QLatin1StringView("tfrxpictureview"), QStringLiteral("TfrxPictureView")},
      {u"TFRXSHAPEVIEW", QStringLiteral("TfrxShapeView")},
      {u"TfrxNullBand", QStringLiteral("TfrxNullBand")},
      {QLatin1StringView("TfrxMemoVie"), QString()},
      {QLatin1StringView("TfrxMemoViewX"), QString()},
      {QLatin1StringView("TfrxChartView"), QString()},
      {QLatin1StringView(""), QString()},
  };
  for (const auto& [asked, created] : cases) {
    const quitanza::report::ComponentFactory factory = FindClass(asked);
    ASSERT_EQ(factory != nullptr, !created.isEmpty()) << asked.toString().toStdString();
    if (factory) {
      std::unique_ptr<quitanza::report::Component> component(factory(nullptr));
      EXPECT_EQ(component->ClassName(), created);
    }
  }
}

TEST(MemoText, LinesAndTextFollowTheLineBreakRules)
{
  quitanza::report::MemoView memo;
  memo.SetText(QStringLiteral("a\r\nb"));
  EXPECT_EQ(memo.Lines(), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
  EXPECT_EQ(memo.Text(), QStringLiteral("a\r\nb\r\n"));
  memo.SetText(QStringLiteral("a\rb\nc\u2028d\r\n"));
  EXPECT_EQ(memo.Lines().size(), 4);
  memo.SetText(QStringLiteral("x") + QChar(0) + QStringLiteral("hidden"));
  EXPECT_EQ(memo.Lines(), QStringList({QStringLiteral("x")}));
  memo.SetText(QString());
  EXPECT_TRUE(memo.Lines().isEmpty());
  EXPECT_TRUE(memo.Text().isEmpty());
}

TEST(PrintCycle, AfterPrintRestoresWhatBeforePrintSaved)
{
  quitanza::report::Report report;
  auto* page = new quitanza::report::ReportPage(&report);
  auto* memo = new quitanza::report::MemoView(page);
  memo->SetBounds(1, 2, 3, 4);
  memo->SetText(QStringLiteral("[Valor]"));
  memo->TagStr = QStringLiteral("tag");
  memo->BeforePrint();
  EXPECT_EQ(report.SelfValue, memo);
  memo->SetBounds(9, 9, 9, 9);
  memo->SetText(QStringLiteral("1.500,00"));
  memo->TagStr.clear();
  memo->AfterPrint();
  EXPECT_EQ(memo->Left(), 1);
  EXPECT_EQ(memo->Height(), 4);
  EXPECT_EQ(memo->Text(), QStringLiteral("[Valor]\r\n"));
  EXPECT_EQ(memo->TagStr, QStringLiteral("tag"));
}

TEST(PictureView, TransparencyDecidesTheBackgroundColour)
{
  quitanza::report::PictureView picture;
  EXPECT_EQ(picture.Color, clWhite);
  picture.SetTransparent(true);
  EXPECT_EQ(picture.Color, clNone);
  picture.SetTransparent(false);
  EXPECT_EQ(picture.Color, clWhite);
}

TEST(PictureView, AutoSizeTakesTheGraphicSizeOnEveryChange)
{
  quitanza::report::PictureView view;
  QImage image(12, 7, QImage::Format_RGB32);
  image.fill(Qt::red);
  quitanza::report::Picture picture;
  picture.SetImage(image);
  view.SetAutoSize(true);
  view.SetPicture(picture);
  EXPECT_EQ(view.Width(), 12);
  EXPECT_EQ(view.Height(), 7);
  EXPECT_TRUE(view.PictureChanged);
}

TEST(ReportPage, A4WithTenMillimetreMargins)
{
  quitanza::report::ReportPage page;
  page.LeftMargin = page.RightMargin = page.TopMargin = page.BottomMargin = 10;
  EXPECT_EQ(page.PaperSize(), 9);
  EXPECT_EQ(page.Width(), 794);
  EXPECT_EQ(page.Height(), 1123);
  const long double printableWidth = (page.PaperWidth() - page.LeftMargin - page.RightMargin) * fr1mm;
  const long double printableHeight = (page.PaperHeight() - page.TopMargin - page.BottomMargin) * fr1mm;
  EXPECT_NEAR(static_cast<double>(printableWidth), 718.1107, 1e-9);
  EXPECT_NEAR(static_cast<double>(printableHeight), 1046.92981, 1e-9);
}

TEST(ReportPage, LandscapeSwapsPaperAndTurnsMargins)
{
  quitanza::report::ReportPage page;
  page.LeftMargin = 1;
  page.RightMargin = 2;
  page.TopMargin = 3;
  page.BottomMargin = 4;
  page.SetOrientation(quitanza::report::PrinterOrientation::Landscape);
  EXPECT_EQ(page.PaperWidth(), 297);
  EXPECT_EQ(page.PaperHeight(), 210);
  EXPECT_EQ(page.Width(), 1123);
  EXPECT_EQ(page.LeftMargin, 3);
  EXPECT_EQ(page.RightMargin, 4);
  EXPECT_EQ(page.TopMargin, 2);
  EXPECT_EQ(page.BottomMargin, 1);
  page.SetOrientation(quitanza::report::PrinterOrientation::Portrait);
  EXPECT_EQ(page.PaperWidth(), 210);
  EXPECT_EQ(page.LeftMargin, 1);
  EXPECT_EQ(page.TopMargin, 3);
}

TEST(ReportPage, PaperSizeCodes)
{
  quitanza::report::ReportPage page;
  page.SetPaperWidth(100.123456789);
  EXPECT_EQ(page.PaperSize(), 256);
  EXPECT_EQ(page.PaperWidth(), std::rint(100.123456789L * 1e8L) / 1e8L);
  page.SetPaperSize(11);
  EXPECT_EQ(page.PaperWidth(), 148);
  EXPECT_EQ(page.PaperHeight(), 210);
  // Unknown and custom codes keep the dimensions.
  page.SetPaperSize(48);
  EXPECT_EQ(page.PaperSize(), 48);
  EXPECT_EQ(page.PaperWidth(), 148);
  page.SetPaperSize(300);
  EXPECT_EQ(page.PaperHeight(), 210);
  page.SetOrientation(quitanza::report::PrinterOrientation::Landscape);
  page.SetPaperSize(9);
  EXPECT_EQ(page.PaperWidth(), 297);
}

TEST(ReportPage, PageCountBelowOneIsIgnoredAndColumnsSplitTheWidth)
{
  quitanza::report::ReportPage page;
  page.SetPageCount(0);
  EXPECT_EQ(page.PageCount(), 1);
  page.LeftMargin = page.RightMargin = 5;
  page.SetColumns(2);
  EXPECT_EQ(page.ColumnWidth, 100);
  EXPECT_EQ(page.ColumnPositions, QStringList({QStringLiteral("0"), QStringLiteral("100")}));
}

TEST(Report, ClearResetsToTheEmptyReport)
{
  quitanza::report::Report report;
  new quitanza::report::ReportPage(&report);
  report.Variables.SetValue(QStringLiteral("Valor"), QStringLiteral("'1'"));
  report.ScriptLanguage = QStringLiteral("JScript");
  report.PrintOptions.Copies = 3;
  report.EngineOptions.DoublePass = true;
  report.Clear();
  EXPECT_EQ(report.PagesCount(), 0);
  EXPECT_EQ(report.Variables.Count(), 0);
  EXPECT_EQ(report.ScriptLanguage, QStringLiteral("PascalScript"));
  EXPECT_EQ(report.ScriptText, QStringList({QStringLiteral("begin"), QString(), QStringLiteral("end.")}));
  EXPECT_EQ(report.PrintOptions.Copies, 1);
  EXPECT_FALSE(report.EngineOptions.DoublePass);
  EXPECT_EQ(report.SystemVariables.size(), 9);
  EXPECT_EQ(report.Version, QStringLiteral("4.13.2"));
}

}  // namespace

namespace {

TEST(References, FreeingAnObjectClearsTheReferencesToIt)
{
  quitanza::report::Report report;
  auto* first = new quitanza::report::ReportPage(&report);
  auto* second = new quitanza::report::ReportPage(&report);
  auto* source = new quitanza::report::MemoView(first);
  auto* target = new quitanza::report::MemoView(second);
  auto* data = new quitanza::report::DataSet(new quitanza::report::DataPage(&report));
  source->FlowTo = target;
  source->DataSet = data;
  report.DataSets.Items.push_back({data, QStringLiteral("Dados")});

  delete target;
  EXPECT_EQ(source->FlowTo, nullptr);
  EXPECT_EQ(source->DataSet, data);

  report.Pages(2)->Clear();
  EXPECT_EQ(source->DataSet, nullptr);
  EXPECT_EQ(report.DataSets.Items.front().DataSet, nullptr);
}

}  // namespace
