#pragma once

#include "report/model/Band.h"
#include "report/model/ReportPage.h"

// A page as preparation leaves it, built in code: A4 with 10 mm margins and a
// null band that carries the objects.
class TestPage {
public:
  TestPage();
  TestPage(const TestPage&) = delete;
  TestPage& operator=(const TestPage&) = delete;

  quitanza::report::ReportPage& Page() { return m_page; }
  quitanza::report::NullBand& Band() { return *m_band; }
  template <class View>
  View& Add(long double left, long double top, long double width, long double height)
  {
    auto* view = new View(m_band);
    view->SetBounds(left, top, width, height);
    return *view;
  }

private:
  quitanza::report::ReportPage m_page;
  quitanza::report::NullBand* m_band;
};
