#include "tests/support/TestPreviewPages.h"

using namespace quitanza::platform;
using namespace quitanza::report;

TestPage& TestPreviewPages::AddPage()
{
  TestPage& page = *m_owned.emplace_back(std::make_unique<TestPage>());
  Add(page.Page());
  return page;
}

ReportPage* TestPreviewPages::GetPage(int index)
{
  return index >= 0 && index < Count() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

QSize TestPreviewPages::GetPageSize(int index)
{
  const quitanza::report::ReportPage* page = GetPage(index);
  return page ? QSize(static_cast<int>(page->Width()), static_cast<int>(page->Height())) : QSize();
}
