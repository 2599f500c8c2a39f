#pragma once

#include "report/model/frxReportComponent.h"

// Horizontal band. Only the null band is used, internally, to carry the
// objects of a band-less page through preparation.
class TfrxBand : public TfrxReportComponent {
public:
  using TfrxReportComponent::TfrxReportComponent;

  const TfrxPropTable& Props() const override;
};

class TfrxNullBand : public TfrxBand {
public:
  using TfrxBand::TfrxBand;
  QString ClassName() const override { return QStringLiteral("TfrxNullBand"); }
};
