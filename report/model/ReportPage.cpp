#include "report/model/ReportPage.h"

#include "report/format/Float.h"
#include "report/model/DataSet.h"
#include "report/model/PaperSizes.h"
#include "report/model/PropBuilder.h"
#include "report/model/Units.h"

#include <cmath>
#include <utility>

namespace quitanza::report {

using namespace platform;

namespace {

long double RoundTo8Decimals(long double value) { return std::rint(value * 1e8L) / 1e8L; }

}  // namespace

ReportPage::ReportPage(report::Component* parent)
    : report::Page(parent), m_backPicture(std::make_unique<report::PictureView>())
{
  SetBaseName(QStringLiteral("Page"));
  m_backPicture->Color = clNone;
  m_backPicture->KeepAspectRatio = false;
  SetPaperSize(9);
}

ReportPage::~ReportPage() = default;

void ReportPage::UpdateDimensions()
{
  SetWidth(std::rint(m_paperWidth * fr1mm));
  SetHeight(std::rint(m_paperHeight * fr1mm));
}

void ReportPage::SetPaperWidth(long double width)
{
  m_paperWidth = RoundTo8Decimals(width);
  m_paperSize = 256;
  UpdateDimensions();
}

void ReportPage::SetPaperHeight(long double height)
{
  m_paperHeight = RoundTo8Decimals(height);
  m_paperSize = 256;
  UpdateDimensions();
}

void ReportPage::SetPaperSize(int code)
{
  m_paperSize = code;
  if (code >= 256)
    return;
  if (const report::PaperSize* paper = FindPaperSize(code)) {
    m_paperWidth = paper->Width / 10.0L;
    m_paperHeight = paper->Height / 10.0L;
    if (m_orientation == PrinterOrientation::Landscape)
      std::swap(m_paperWidth, m_paperHeight);
  }
  UpdateDimensions();
}

void ReportPage::SetSizeAndDimensions(int code, long double width, long double height)
{
  m_paperSize = code;
  m_paperWidth = RoundTo8Decimals(width);
  m_paperHeight = RoundTo8Decimals(height);
  UpdateDimensions();
}

void ReportPage::SetOrientation(PrinterOrientation orientation)
{
  if (orientation == m_orientation)
    return;
  m_orientation = orientation;
  std::swap(m_paperWidth, m_paperHeight);
  const long double left = LeftMargin, right = RightMargin, top = TopMargin, bottom = BottomMargin;
  if (orientation == PrinterOrientation::Landscape) {
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

void ReportPage::SetDefaults()
{
  LeftMargin = RightMargin = TopMargin = BottomMargin = 10;
  SetOrientation(PrinterOrientation::Portrait);
  SetPaperSize(9);
}

void ReportPage::SetColumns(int columns)
{
  m_columns = columns;
  ColumnPositions.clear();
  if (columns <= 0)
    return;
  ColumnWidth = (m_paperWidth - LeftMargin - RightMargin) / columns;
  for (int i = 0; i < columns; ++i)
    ColumnPositions.append(FloatToStr(i * ColumnWidth, report::DecimalSeparator()));
}

void ReportPage::SetPageCount(int count)
{
  if (count >= 1)
    m_pageCount = count;
}

const PropTable& ReportPage::Props() const
{
  static const PropTable table = [] {
    using C = report::ReportPage;
    PropTable t;
    t.Append(PropTable::Select(ComponentCatalog(), {u"Tag", u"Font", u"Visible"}));
    PropBuilder<C, report::Component> b(t);
    b.Enum(QStringLiteral("Orientation"), Access(&C::Orientation, &C::SetOrientation), OrientationNames,
           PrinterOrientation::Portrait);
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
    b.Sub(QStringLiteral("BackPicture"), [](C& page) -> report::Picture& { return page.m_backPicture->m_picture; },
          report::Picture::Props(), [](C& page) { page.m_backPicture->Changed(); });
    b.Bool(QStringLiteral("BackPictureVisible"), &C::BackPictureVisible, true);
    b.Bool(QStringLiteral("BackPicturePrintable"), &C::BackPicturePrintable, true);
    b.Int(QStringLiteral("PageCount"), Access(&C::PageCount, &C::SetPageCount), 1);
    b.Int(QStringLiteral("Color"), Access([](const C& page) { return page.m_backPicture->Color; },
                                         [](C& page, qint64 color) { page.m_backPicture->Color = platform::Color(color); }),
          clNone);
    b.Ref<report::DataSet>(QStringLiteral("DataSet"), &C::DataSet);
    b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
    b.Enum(QStringLiteral("Duplex"), &C::Duplex, DuplexModeNames, DuplexMode::None);
    b.Sub(QStringLiteral("Frame"), [](C& page) -> report::Frame& { return page.m_backPicture->Frame; },
          report::Frame::Props());
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

}  // namespace quitanza::report
