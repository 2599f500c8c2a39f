#pragma once

#include "report/model/Component.h"

namespace quitanza::platform { class Canvas; }

namespace quitanza::report {

// A component that takes part in preparation and printing.
class ReportComponent : public Component {
public:
  using report::Component::Component;

  bool Printable = true;
  report::ShiftMode ShiftMode = ShiftMode::Always;
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
  // Paints the object with its page's printable-area corner at (offsetX,
  // offsetY) device pixels and scale device pixels per report pixel. A
  // component without a look of its own (a band) paints nothing.
  virtual void Draw(platform::Canvas& /*canvas*/, double /*scaleX*/, double /*scaleY*/, double /*offsetX*/,
                    double /*offsetY*/)
  {
  }

  static const PropTable& ReportComponentCatalog();
};

}  // namespace quitanza::report
