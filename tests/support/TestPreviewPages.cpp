#include "tests/support/TestPreviewPages.h"

using namespace quitanza::platform;

TestPage& TestPreviewPages::AddPage()
{
  TestPage& page = *m_owned.emplace_back(std::make_unique<TestPage>());
  Add(page.Page());
  return page;
}

TfrxReportPage* TestPreviewPages::GetPage(int index)
{
  return index >= 0 && index < Count() ? FPages[static_cast<std::size_t>(index)] : nullptr;
}

QSize TestPreviewPages::GetPageSize(int index)
{
  const TfrxReportPage* page = GetPage(index);
  return page ? QSize(static_cast<int>(page->Width()), static_cast<int>(page->Height())) : QSize();
}
