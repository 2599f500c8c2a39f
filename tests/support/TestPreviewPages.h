#pragma once

#include "report/model/PageSource.h"
#include "tests/support/TestPage.h"

#include <memory>
#include <vector>

// Prepared pages held in memory, standing in for the store where a test
// builds its pages in code.
class TestPreviewPages : public quitanza::report::PageSource {
public:
  // A new page owned by the list.
  TestPage& AddPage();
  // A page the caller keeps.
  void Add(quitanza::report::ReportPage& page) { m_pages.push_back(&page); }
  int Copy = 0;

  int Count() const override { return static_cast<int>(m_pages.size()); }
  quitanza::report::ReportPage* GetPage(int index) override;
  QSize GetPageSize(int index) override;
  int CopyNo() const override { return Copy; }

private:
  std::vector<std::unique_ptr<TestPage>> m_owned;
  std::vector<quitanza::report::ReportPage*> m_pages;
};
