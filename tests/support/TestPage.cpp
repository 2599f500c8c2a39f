#include "tests/support/TestPage.h"

TestPage::TestPage() : m_band(new TfrxNullBand(&FPage))
{
  FPage.SetPaperSize(9);
  FPage.LeftMargin = FPage.RightMargin = FPage.TopMargin = FPage.BottomMargin = 10;
}
