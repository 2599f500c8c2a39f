#pragma once

#include "report/model/Component.h"

namespace quitanza::report {

// Base of the report's pages.
class Page : public Component {
public:
  using report::Component::Component;
};

// Holder of the data components; every report has one, named "Data".
class DataPage : public Page {
public:
  explicit DataPage(report::Component* parent = nullptr);

  QString ClassName() const override { return QStringLiteral("TfrxDataPage"); }
  const PropTable& Props() const override;
};

}  // namespace quitanza::report
