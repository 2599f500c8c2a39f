#pragma once

#include <QSize>

namespace quitanza::report {

class ReportPage;

// What drawing, printing and export read from prepared pages. Pages come back
// rebuilt as page objects whose children are the stored bands with their
// objects.
class PageSource {
public:
  virtual ~PageSource() = default;

  virtual int Count() const = 0;
  // The rebuilt page, owned by the source (for the store: valid until it is
  // evicted from the page cache); nullptr when there are no pages or Index is
  // out of range.
  virtual report::ReportPage* GetPage(int Index) = 0;
  // Whole pixels at 96 per inch; (0, 0) when Index is out of range.
  virtual QSize GetPageSize(int Index) = 0;
  // The copy being printed (0 outside printing), which page macros name.
  virtual int CopyNo() const { return 0; }
  // Font scale of the scaled print modes; 1 otherwise.
  virtual double PrintScale() const { return 1; }
  // Forgets the rebuilt pages kept for reuse. Printing does so after every
  // page: memory stays bounded, and the next copy's pages are rebuilt with
  // their page macros (the copy name) not yet expanded.
  virtual void FreeCache() {}
};

}  // namespace quitanza::report
