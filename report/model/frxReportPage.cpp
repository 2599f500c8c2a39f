#include "report/model/frxReportPage.h"

#include "report/format/frxFloat.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxPaperSizes.h"
#include "report/model/frxPropBuilder.h"
#include "report/model/frxUnits.h"

#include <cmath>
#include <utility>

using namespace quitanza::platform;

namespace {

long double RoundTo8Decimals(long double value) { return std::rint(value * 1e8L) / 1e8L; }

}  // namespace

TfrxReportPage::TfrxReportPage(TfrxComponent* parent)
    : TfrxPage(parent), FBackPicture(std::make_unique<TfrxPictureView>())
{
  SetBaseName(QStringLiteral("Page"));
  FBackPicture->Color = clNone;
  FBackPicture->KeepAspectRatio = false;
  SetPaperSize(9);
}

TfrxReportPage::~TfrxReportPage() = default;

void TfrxReportPage::UpdateDimensions()
{
  SetWidth(std::rint(FPaperWidth * fr1mm));
  SetHeight(std::rint(FPaperHeight * fr1mm));
}

void TfrxReportPage::SetPaperWidth(long double width)
{
  FPaperWidth = RoundTo8Decimals(width);
  FPaperSize = 256;
  UpdateDimensions();
}

void TfrxReportPage::SetPaperHeight(long double height)
{
  FPaperHeight = RoundTo8Decimals(height);
  FPaperSize = 256;
  UpdateDimensions();
}

void TfrxReportPage::SetPaperSize(int code)
{
  FPaperSize = code;
  if (code >= 256)
    return;
  if (const TfrxPaperSize* paper = frxFindPaperSize(code)) {
    FPaperWidth = paper->Width / 10.0L;
    FPaperHeight = paper->Height / 10.0L;
    if (FOrientation == poLandscape)
      std::swap(FPaperWidth, FPaperHeight);
  }
  UpdateDimensions();
}

void TfrxReportPage::SetSizeAndDimensions(int code, long double width, long double height)
{
  FPaperSize = code;
  FPaperWidth = RoundTo8Decimals(width);
  FPaperHeight = RoundTo8Decimals(height);
  UpdateDimensions();
}

void TfrxReportPage::SetOrientation(TPrinterOrientation orientation)
{
  if (orientation == FOrientation)
    return;
  FOrientation = orientation;
  std::swap(FPaperWidth, FPaperHeight);
  const long double left = LeftMargin, right = RightMargin, top = TopMargin, bottom = BottomMargin;
  if (orientation == poLandscape) {
    LeftMargin = top;
    RightMargin = bottom;
    TopMargin = right;
    BottomMargin = left;
  } else {
    LeftMargin = bottom;
    RightMargin = top;
    TopMargin = left;
    BottomMargin = right;
  }
  UpdateDimensions();
}

void TfrxReportPage::SetDefaults()
{
  LeftMargin = RightMargin = TopMargin = BottomMargin = 10;
  SetOrientation(poPortrait);
  SetPaperSize(9);
}

void TfrxReportPage::SetColumns(int columns)
{
  FColumns = columns;
  ColumnPositions.clear();
  if (columns <= 0)
    return;
  ColumnWidth = (FPaperWidth - LeftMargin - RightMargin) / columns;
  for (int i = 0; i < columns; ++i)
    ColumnPositions.append(frxFloatToStr(i * ColumnWidth, frxDecimalSeparator()));
}

void TfrxReportPage::SetPageCount(int count)
{
  if (count >= 1)
    FPageCount = count;
}

const TfrxPropTable& TfrxReportPage::Props() const
{
  static const TfrxPropTable table = [] {
    using C = TfrxReportPage;
    TfrxPropTable t;
    t.Append(TfrxPropTable::Select(ComponentCatalog(), {u"Tag", u"Font", u"Visible"}));
    TfrxPropBuilder<C, TfrxComponent> b(t);
    b.Enum(QStringLiteral("Orientation"), Access(&C::Orientation, &C::SetOrientation), frxOrientationNames,
           poPortrait);
    b.Float(QStringLiteral("PaperWidth"), Access(&C::PaperWidth, &C::SetPaperWidth));
    b.Float(QStringLiteral("PaperHeight"), Access(&C::PaperHeight, &C::SetPaperHeight));
    b.Int(QStringLiteral("PaperSize"), Access(&C::PaperSize, &C::SetPaperSize), std::nullopt);
    b.Float(QStringLiteral("LeftMargin"), &C::LeftMargin);
    b.Float(QStringLiteral("RightMargin"), &C::RightMargin);
    b.Float(QStringLiteral("TopMargin"), &C::TopMargin);
    b.Float(QStringLiteral("BottomMargin"), &C::BottomMargin);
    b.Bool(QStringLiteral("MirrorMargins"), &C::MirrorMargins, false);
    b.Int(QStringLiteral("Columns"), Access(&C::Columns, &C::SetColumns), 0);
    b.Float(QStringLiteral("ColumnWidth"), &C::ColumnWidth);
    b.List(QStringLiteral("ColumnPositions"), &C::ColumnPositions);
    b.Int(QStringLiteral("Bin"), &C::Bin, 7);
    b.Int(QStringLiteral("BinOtherPages"), &C::BinOtherPages, 7);
    b.Sub(QStringLiteral("BackPicture"), [](C& page) -> TPicture& { return page.FBackPicture->FPicture; },
          TPicture::Props(), [](C& page) { page.FBackPicture->Changed(); });
    b.Bool(QStringLiteral("BackPictureVisible"), &C::BackPictureVisible, true);
    b.Bool(QStringLiteral("BackPicturePrintable"), &C::BackPicturePrintable, true);
    b.Int(QStringLiteral("PageCount"), Access(&C::PageCount, &C::SetPageCount), 1);
    b.Int(QStringLiteral("Color"), Access([](const C& page) { return page.FBackPicture->Color; },
                                         [](C& page, qint64 color) { page.FBackPicture->Color = quitanza::platform::Color(color); }),
          clNone);
    b.Ref<TfrxDataSet>(QStringLiteral("DataSet"), &C::DataSet);
    b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
    b.Enum(QStringLiteral("Duplex"), &C::Duplex, frxDuplexModeNames, dmNone);
    b.Sub(QStringLiteral("Frame"), [](C& page) -> TfrxFrame& { return page.FBackPicture->Frame; },
          TfrxFrame::Props());
    b.Bool(QStringLiteral("EndlessHeight"), &C::EndlessHeight, false);
    b.Bool(QStringLiteral("EndlessWidth"), &C::EndlessWidth, false);
    b.Bool(QStringLiteral("LargeDesignHeight"), &C::LargeDesignHeight, false);
    b.Str(QStringLiteral("OutlineText"), &C::OutlineText);
    b.Bool(QStringLiteral("PrintIfEmpty"), &C::PrintIfEmpty, true);
    b.Bool(QStringLiteral("PrintOnPreviousPage"), &C::PrintOnPreviousPage, false);
    b.Bool(QStringLiteral("ResetPageNumbers"), &C::ResetPageNumbers, false);
    b.Bool(QStringLiteral("TitleBeforeHeader"), &C::TitleBeforeHeader, true);
    b.List(QStringLiteral("HGuides"), &C::HGuides);
    b.List(QStringLiteral("VGuides"), &C::VGuides);
    b.Str(QStringLiteral("OnAfterPrint"), &C::OnAfterPrint);
    b.Str(QStringLiteral("OnBeforePrint"), &C::OnBeforePrint);
    b.Str(QStringLiteral("OnManualBuild"), &C::OnManualBuild);
    return t;
  }();
  return table;
}
