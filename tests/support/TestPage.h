#pragma once

#include "report/model/frxBand.h"
#include "report/model/frxReportPage.h"

// A page as preparation leaves it, built in code: A4 with 10 mm margins and a
// null band that carries the objects.
class TestPage {
public:
  TestPage();
  TestPage(const TestPage&) = delete;
  TestPage& operator=(const TestPage&) = delete;

  TfrxReportPage& Page() { return FPage; }
  TfrxNullBand& Band() { return *m_band; }
  template <class View>
  View& Add(long double left, long double top, long double width, long double height)
  {
    auto* view = new View(m_band);
    view->SetBounds(left, top, width, height);
    return *view;
  }

private:
  TfrxReportPage FPage;
  TfrxNullBand* m_band;
};
