#pragma once

#include <QSize>

class TfrxReportPage;

// What drawing, printing and export read from prepared pages. Pages come back
// rebuilt as page objects whose children are the stored bands with their
// objects.
class TfrxPageSource {
public:
  virtual ~TfrxPageSource() = default;

  virtual int Count() const = 0;
  // The rebuilt page, owned by the source (for the store: valid until it is
  // evicted from the page cache); nullptr when there are no pages or Index is
  // out of range.
  virtual TfrxReportPage* GetPage(int Index) = 0;
  // Whole pixels at 96 per inch; (0, 0) when Index is out of range.
  virtual QSize GetPageSize(int Index) = 0;
  // The copy being printed (0 outside printing), which page macros name.
  virtual int CopyNo() const { return 0; }
  // Font scale of the scaled print modes; 1 otherwise.
  virtual double PrintScale() const { return 1; }
};
