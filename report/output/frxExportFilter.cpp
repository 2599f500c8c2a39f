#include "report/output/frxExportFilter.h"

#include <algorithm>

namespace {

std::vector<TfrxCustomExportFilter*>& FilterList() {
  static std::vector<TfrxCustomExportFilter*> filters;
  return filters;
}

}  // namespace

TfrxCustomExportFilter::TfrxCustomExportFilter() { FilterList().push_back(this); }

TfrxCustomExportFilter::~TfrxCustomExportFilter() { std::erase(FilterList(), this); }

const std::vector<TfrxCustomExportFilter*>& frxExportFilters() { return FilterList(); }
