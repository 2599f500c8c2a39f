#pragma once

#include "report/model/frxComponent.h"

// Base of the report's pages.
class TfrxPage : public TfrxComponent {
public:
  using TfrxComponent::TfrxComponent;
};

// Holder of the data components; every report has one, named "Data".
class TfrxDataPage : public TfrxPage {
public:
  explicit TfrxDataPage(TfrxComponent* parent = nullptr);

  QString ClassName() const override { return QStringLiteral("TfrxDataPage"); }
  const TfrxPropTable& Props() const override;
};
