#pragma once

#include "report/model/frxBand.h"
#include "report/model/frxPageSource.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportPage.h"

#include <memory>
#include <vector>

// A page as preparation leaves it, built in code: A4 with 10 mm margins and a
// null band that carries the objects.
class TestPage {
public:
  TestPage();

  TfrxReportPage& Page() { return FPage; }
  template <class View>
  View& Add(long double left, long double top, long double width, long double height)
  {
    auto* view = new View(FBand);
    view->SetBounds(left, top, width, height);
    return *view;
  }

private:
  TfrxReportPage FPage;
  TfrxNullBand* FBand;
};

// A receipt as issuing prints it: the receipt layout with the texts issuing
// puts into its memos and a logo in both copies, on a null band.
class IssuedReceipt {
public:
  IssuedReceipt();
  TfrxReportPage& Page() { return *FPage; }

private:
  TfrxReport FReport;
  TfrxReportPage* FPage;
};

// Prepared pages held in memory, standing in for the store.
class TestPreviewPages : public TfrxPageSource {
public:
  void Add(TfrxReportPage& page) { FPages.push_back(&page); }
  int Copy = 0;

  int Count() const override { return static_cast<int>(FPages.size()); }
  TfrxReportPage* GetPage(int index) override;
  QSize GetPageSize(int index) override;
  int CopyNo() const override { return Copy; }

private:
  std::vector<TfrxReportPage*> FPages;
};
