#pragma once

#include "report/model/Component.h"

namespace quitanza::report {

// Base of the data components that views and pages may be bound to. The
// receipts use none; the class exists so that templates naming one load and
// references to it can be kept.
class DataSet : public Component {
public:
  using report::Component::Component;

  QString UserName;

  QString ClassName() const override { return QStringLiteral("TfrxDataSet"); }
  const PropTable& Props() const override;
};

}  // namespace quitanza::report
