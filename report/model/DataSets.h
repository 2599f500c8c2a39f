#pragma once

#include "report/model/PropTable.h"

#include <QString>

#include <vector>

namespace quitanza::report {

class DataSet;

// One data set the report may use, by component and by name.
class DataSetItem {
public:
  report::DataSet* DataSet = nullptr;
  QString DataSetName;

  static const PropTable& Props();
};

class ReportDataSets {
public:
  std::vector<DataSetItem> Items;
  void Clear() { Items.clear(); }
};

}  // namespace quitanza::report
