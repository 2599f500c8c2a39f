#include "tests/support/TestPage.h"

using namespace quitanza::platform;
using namespace quitanza::report;

TestPage::TestPage() : m_band(new NullBand(&m_page))
{
  m_page.SetPaperSize(9);
  m_page.LeftMargin = m_page.RightMargin = m_page.TopMargin = m_page.BottomMargin = 10;
}
