#pragma once

#include "report/model/frxPropTable.h"

#include <QString>

#include <vector>

class TfrxDataSet;

// One data set the report may use, by component and by name.
class TfrxDataSetItem {
public:
  TfrxDataSet* DataSet = nullptr;
  QString DataSetName;

  static const TfrxPropTable& Props();
};

class TfrxReportDataSets {
public:
  std::vector<TfrxDataSetItem> Items;
  void Clear() { Items.clear(); }
};
