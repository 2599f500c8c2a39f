#include "tests/support/TestPage.h"

using namespace quitanza::platform;

TestPage::TestPage() : m_band(new TfrxNullBand(&FPage))
{
  FPage.SetPaperSize(9);
  FPage.LeftMargin = FPage.RightMargin = FPage.TopMargin = FPage.BottomMargin = 10;
}
