#pragma once

#include "report/model/frxComponent.h"

// Base of the data components that views and pages may be bound to. The
// receipts use none; the class exists so that templates naming one load and
// references to it can be kept.
class TfrxDataSet : public TfrxComponent {
public:
  using TfrxComponent::TfrxComponent;

  QString UserName;

  QString ClassName() const override { return QStringLiteral("TfrxDataSet"); }
  const TfrxPropTable& Props() const override;
};
