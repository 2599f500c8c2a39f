#include "report/output/ExportFilter.h"

#include <algorithm>

namespace quitanza::report {

namespace {

std::vector<CustomExportFilter*>& FilterList() {
  static std::vector<CustomExportFilter*> filters;
  return filters;
}

}  // namespace

CustomExportFilter::CustomExportFilter() { FilterList().push_back(this); }

CustomExportFilter::~CustomExportFilter() { std::erase(FilterList(), this); }

const std::vector<CustomExportFilter*>& ExportFilters() { return FilterList(); }

}  // namespace quitanza::report
