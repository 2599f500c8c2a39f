#pragma once

#include "report/model/frxPageSource.h"
#include "report/model/frxReportPage.h"

#include <QString>

#include <memory>
#include <vector>

class TfrxBand;

// Prepared pages held in memory, as the page store hands them out: a page
// whose one child is a null band carrying the objects.
class MemoryPreviewPages : public TfrxPageSource {
public:
  // An A4 page with 10 mm margins; returns the band to put objects on.
  TfrxBand& AddPage();
  TfrxReportPage& Page(int index) { return *FPages.at(std::size_t(index)); }

  int Count() const override { return int(FPages.size()); }
  TfrxReportPage* GetPage(int index) override;
  QSize GetPageSize(int index) override;

private:
  std::vector<std::unique_ptr<TfrxReportPage>> FPages;
};

// The texts the issuing puts into a receipt, by variable name.
QString ReceiptVariable(const QString& name);

// The receipt as issuing prepares it: the two-copy layout on a band, memo
// texts filled, without the issuer's logo.
void AddReceiptPage(MemoryPreviewPages& pages);
