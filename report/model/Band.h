#pragma once

#include "report/model/ReportComponent.h"

namespace quitanza::report {

// Horizontal band. Only the null band is used, internally, to carry the
// objects of a band-less page through preparation.
class Band : public ReportComponent {
public:
  using ReportComponent::ReportComponent;

  const PropTable& Props() const override;
};

class NullBand : public Band {
public:
  using report::Band::Band;
  QString ClassName() const override { return QStringLiteral("TfrxNullBand"); }
};

}  // namespace quitanza::report
