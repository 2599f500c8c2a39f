#pragma once

#include "report/model/frxPage.h"
#include "report/model/frxPictureView.h"

#include <QStringList>

#include <memory>

class TfrxDataSet;

// A printable page. Paper sizes and margins are millimetres; the page's own
// Width and Height follow the paper in pixels.
class TfrxReportPage : public TfrxPage {
public:
  explicit TfrxReportPage(TfrxComponent* parent = nullptr);
  ~TfrxReportPage() override;

  long double LeftMargin = 0, RightMargin = 0, TopMargin = 0, BottomMargin = 0;
  bool MirrorMargins = false;
  long double ColumnWidth = 0;
  QStringList ColumnPositions;
  int Bin = 7;
  int BinOtherPages = 7;
  bool BackPictureVisible = true;
  bool BackPicturePrintable = true;
  TfrxDataSet* DataSet = nullptr;
  QString DataSetName;
  TfrxDuplexMode Duplex = dmNone;
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

  TPrinterOrientation Orientation() const { return FOrientation; }
  // Swaps the paper sides and turns the margins with the page.
  void SetOrientation(TPrinterOrientation orientation);
  long double PaperWidth() const { return FPaperWidth; }
  long double PaperHeight() const { return FPaperHeight; }
  int PaperSize() const { return FPaperSize; }
  // Width and height set by hand make the paper custom (code 256).
  virtual void SetPaperWidth(long double width);
  virtual void SetPaperHeight(long double height);
  // A known code below 256 takes its sizes from the paper table.
  virtual void SetPaperSize(int code);
  void SetSizeAndDimensions(int code, long double width, long double height);
  // Margins of 10 mm on A4 portrait (this system has no printer defaults).
  virtual void SetDefaults();
  int Columns() const { return FColumns; }
  void SetColumns(int columns);
  int PageCount() const { return FPageCount; }
  // Values below 1 are ignored.
  void SetPageCount(int count);

  // Colour, frame and picture of the page background.
  TfrxPictureView& BackPicture() { return *FBackPicture; }
  const TfrxPictureView& BackPicture() const { return *FBackPicture; }

  QString ClassName() const override { return QStringLiteral("TfrxReportPage"); }
  const TfrxPropTable& Props() const override;

private:
  void UpdateDimensions();

  TPrinterOrientation FOrientation = poPortrait;
  long double FPaperWidth = 0;
  long double FPaperHeight = 0;
  int FPaperSize = 0;
  int FColumns = 0;
  int FPageCount = 1;
  std::unique_ptr<TfrxPictureView> FBackPicture;
};
