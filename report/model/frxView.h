#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Rect.h"
#include "report/model/frxFrame.h"
#include "report/model/frxReportComponent.h"

class TfrxDataSet;

// A visual object with fill colour, frame and data binding.
class TfrxView : public TfrxReportComponent {
public:
  using TfrxReportComponent::TfrxReportComponent;

  TBrushStyle BrushStyle = bsSolid;
  quitanza::platform::Color Color = quitanza::platform::clNone;
  int Cursor = 0;
  QString DataField;
  TfrxDataSet* DataSet = nullptr;
  QString DataSetName;
  TfrxFrame Frame;
  QString TagStr;
  QString URL;
  bool PlainText = false;

  // Also saves TagStr and URL and makes this view the report's SelfValue.
  void BeforePrint() override;
  // Expands bracketed expressions in TagStr and URL (values as plain text).
  void GetData() override;
  void AfterPrint() override;

  static const TfrxPropTable& ViewCatalog();

  // Device rectangle, then background, then frame.
  void Draw(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // Where the last Draw put the object: right and bottom are the device
  // positions of the right and bottom edges (shadow excluded).
  quitanza::platform::Rect DeviceRect() const { return {FX, FY, FX1, FY1}; }
  // Where a Draw at that scale and offset puts it.
  quitanza::platform::Rect DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const;

protected:
  // `text` with each bracketed expression replaced by its value's default text.
  QString ExpandPlain(const QString& text) const;
  // The properties every view class writes first.
  static const TfrxPropTable& ViewHead();

  // The three drawing steps every view shares. ComputeDeviceRect also keeps
  // the canvas, scale and offset for the two others.
  virtual void ComputeDeviceRect(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY);
  virtual void PaintBackground();
  virtual void PaintFrame();
  // A line w device pixels thick, as w one-pixel lines with the current pen.
  void PaintStrokeBand(int x, int y, int x1, int y1, int w);

  int FX = 0, FY = 0, FX1 = 0, FY1 = 0;
  int FDX = 0, FDY = 0;
  int FFrameWidth = 0;
  double FScaleX = 1, FScaleY = 1, FOffsetX = 0, FOffsetY = 0;
  quitanza::platform::Canvas* FCanvas = nullptr;

private:
  QString FSavedTagStr;
  QString FSavedURL;
};

// A view that may grow with its content.
class TfrxStretcheable : public TfrxView {
public:
  using TfrxView::TfrxView;

  TfrxStretchMode StretchMode = smDontStretch;
};
