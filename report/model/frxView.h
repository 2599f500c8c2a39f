#pragma once

#include "platform/Color.h"
#include "report/model/frxFrame.h"
#include "report/model/frxReportComponent.h"

class TfrxDataSet;

// A visual object with fill colour, frame and data binding.
class TfrxView : public TfrxReportComponent {
public:
  using TfrxReportComponent::TfrxReportComponent;

  TBrushStyle BrushStyle = bsSolid;
  TColor Color = clNone;
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

protected:
  // `text` with each bracketed expression replaced by its value's default text.
  QString ExpandPlain(const QString& text) const;
  // The properties every view class writes first.
  static const TfrxPropTable& ViewHead();

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
