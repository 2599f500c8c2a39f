#pragma once

#include "report/model/frxComponent.h"

// A component that takes part in preparation and printing.
class TfrxReportComponent : public TfrxComponent {
public:
  using TfrxComponent::TfrxComponent;

  bool Printable = true;
  TfrxShiftMode ShiftMode = smAlways;
  QString Hint;
  bool ShowHint = false;
  // Names of script procedures; kept and saved, never run.
  QString OnAfterData;
  QString OnAfterPrint;
  QString OnBeforePrint;
  QString OnPreviewClick;
  QString OnPreviewDblClick;

  // Saves the bounds that AfterPrint restores.
  virtual void BeforePrint();
  // Computes the printed content; the plain component has none.
  virtual void GetData() {}
  virtual void AfterPrint();

  static const TfrxPropTable& ReportComponentCatalog();
};
