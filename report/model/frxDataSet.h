#pragma once

#include "report/model/frxComponent.h"

// Base of the data components that views and pages may be bound to. The
// receipts use none; the class exists so that templates naming one load.
class TfrxDataSet : public TfrxComponent {
public:
  using TfrxComponent::TfrxComponent;

  QString UserName;
};
