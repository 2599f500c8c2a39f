#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Rect.h"
#include "report/model/Frame.h"
#include "report/model/ReportComponent.h"

namespace quitanza::report {

class DataSet;

// A visual object with fill colour, frame and data binding.
class View : public ReportComponent {
public:
  using ReportComponent::ReportComponent;

  report::BrushStyle BrushStyle = BrushStyle::Solid;
  platform::Color Color = platform::clNone;
  int Cursor = 0;
  QString DataField;
  report::DataSet* DataSet = nullptr;
  QString DataSetName;
  report::Frame Frame;
  QString TagStr;
  QString URL;
  bool PlainText = false;

  // Also saves TagStr and URL and makes this view the report's SelfValue.
  void BeforePrint() override;
  // Expands bracketed expressions in TagStr and URL (values as plain text).
  void GetData() override;
  void AfterPrint() override;

  static const PropTable& ViewCatalog();

  // Device rectangle, then background, then frame.
  void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // Where the last Draw put the object: right and bottom are the device
  // positions of the right and bottom edges (shadow excluded).
  platform::Rect DeviceRect() const { return {m_x, m_y, m_x1, m_y1}; }
  // Where a Draw at that scale and offset puts it.
  platform::Rect DeviceRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const;

protected:
  // `text` with each bracketed expression replaced by its value's default text.
  QString ExpandPlain(const QString& text) const;
  // The properties every view class writes first.
  static const PropTable& ViewHead();

  // The three drawing steps every view shares. ComputeDeviceRect also keeps
  // the canvas, scale and offset for the two others.
  virtual void ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY);
  virtual void PaintBackground();
  virtual void PaintFrame();
  // A line w device pixels thick, as w one-pixel lines with the current pen.
  void PaintStrokeBand(int x, int y, int x1, int y1, int w);

  int m_x = 0, m_y = 0, m_x1 = 0, m_y1 = 0;
  int m_dx = 0, m_dy = 0;
  int m_frameWidth = 0;
  double m_scaleX = 1, m_scaleY = 1, m_offsetX = 0, m_offsetY = 0;
  platform::Canvas* m_canvas = nullptr;

private:
  QString m_savedTagStr;
  QString m_savedURL;
};

// A view that may grow with its content.
class Stretcheable : public View {
public:
  using report::View::View;

  report::StretchMode StretchMode = StretchMode::DontStretch;
};

}  // namespace quitanza::report
