#pragma once

#include "report/model/Page.h"
#include "report/model/PictureView.h"

#include <QStringList>

#include <memory>

namespace quitanza::report {

class DataSet;

// A printable page. Paper sizes and margins are millimetres; the page's own
// Width and Height follow the paper in pixels.
class ReportPage : public Page {
public:
  explicit ReportPage(report::Component* parent = nullptr);
  ~ReportPage() override;

  long double LeftMargin = 0, RightMargin = 0, TopMargin = 0, BottomMargin = 0;
  bool MirrorMargins = false;
  long double ColumnWidth = 0;
  QStringList ColumnPositions;
  int Bin = 7;
  int BinOtherPages = 7;
  bool BackPictureVisible = true;
  bool BackPicturePrintable = true;
  report::DataSet* DataSet = nullptr;
  QString DataSetName;
  DuplexMode Duplex = DuplexMode::None;
  bool EndlessHeight = false;
  bool EndlessWidth = false;
  bool LargeDesignHeight = false;
  QString OutlineText;
  bool PrintIfEmpty = true;
  bool PrintOnPreviousPage = false;
  bool ResetPageNumbers = false;
  bool TitleBeforeHeader = true;
  QStringList HGuides;
  QStringList VGuides;
  QString OnAfterPrint;
  QString OnBeforePrint;
  QString OnManualBuild;

  PrinterOrientation Orientation() const { return m_orientation; }
  // Swaps the paper sides and turns the margins with the page.
  void SetOrientation(PrinterOrientation orientation);
  long double PaperWidth() const { return m_paperWidth; }
  long double PaperHeight() const { return m_paperHeight; }
  int PaperSize() const { return m_paperSize; }
  // Width and height set by hand make the paper custom (code 256).
  virtual void SetPaperWidth(long double width);
  virtual void SetPaperHeight(long double height);
  // A known code below 256 takes its sizes from the paper table.
  virtual void SetPaperSize(int code);
  void SetSizeAndDimensions(int code, long double width, long double height);
  // Margins of 10 mm on A4 portrait (this system has no printer defaults).
  virtual void SetDefaults();
  int Columns() const { return m_columns; }
  void SetColumns(int columns);
  int PageCount() const { return m_pageCount; }
  // Values below 1 are ignored.
  void SetPageCount(int count);

  // Colour, frame and picture of the page background.
  report::PictureView& BackPicture() { return *m_backPicture; }
  const report::PictureView& BackPicture() const { return *m_backPicture; }

  QString ClassName() const override { return QStringLiteral("TfrxReportPage"); }
  const PropTable& Props() const override;

private:
  void UpdateDimensions();

  PrinterOrientation m_orientation = PrinterOrientation::Portrait;
  long double m_paperWidth = 0;
  long double m_paperHeight = 0;
  int m_paperSize = 0;
  int m_columns = 0;
  int m_pageCount = 1;
  std::unique_ptr<report::PictureView> m_backPicture;
};

}  // namespace quitanza::report
