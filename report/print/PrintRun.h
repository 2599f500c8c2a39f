#pragma once

#include "report/model/PrintOptions.h"
#include "report/model/Types.h"

#include <QList>

#include <functional>

namespace quitanza::report {

class PageSource;
class Printer;
class Report;

// The sheet the split, join and scale modes print on, in millimetres.
struct PrintSheet {
  int Paper = 0;
  double Width = 0;
  double Height = 0;
};

// One print of prepared pages on an initialised printer: copies and
// collation, the page list, odd or even pages, reverse order and the print
// modes. The report's Terminated flag, set by a Cancel while the run lets
// the window system work between pages, ends the job at the next page with
// the pages printed so far.
class PrintRun {
public:
  // `progress` hears the page number (1-based) of every page printed.
  PrintRun(Report& report, PageSource& pages, Printer& printer, const PrintOptions& options, const PrintSheet& sheet,
           std::function<void(int page)> progress = {});

  // `pageList` as ParsePageNumbers gives it: empty for every page.
  void Execute(const QList<int>& pageList);
  int SheetsPrinted() const { return m_sheets; }

private:
  struct PageSettings {
    int Paper;
    double Width;
    double Height;
    PrinterOrientation Orientation;
    int Bin;
    DuplexMode Duplex;
    bool operator==(const PageSettings&) const = default;
  };

  // False when the run was terminated.
  bool RunModes(int copyNo, int copiesPerPage);
  int PageIndexAt(int position) const;
  bool Selected(int index) const;
  bool PrintPage(int index, int copyNo, int copiesPerPage);
  bool PrintSplit(int index, int copyNo, int copiesPerPage);
  bool PrintJoined(const QList<int>& indexes, int copyNo, int copiesPerPage);
  void ApplySettings(const PageSettings& settings, int copies, bool sheetOnly);
  void StartSheet();
  void EndSheet(int pageNumber);
  void AddEmptySheet();
  void TrackDuplex(DuplexMode duplex);

  Report& m_report;
  PageSource& m_pages;
  Printer& m_printer;
  PrintOptions m_options;
  PrintSheet m_sheet;
  std::function<void(int)> m_progress;
  QList<int> m_pageList;
  bool m_started = false;
  bool m_haveSettings = false;
  PageSettings m_last{};
  DuplexMode m_lastDuplex = DuplexMode::None;
  bool m_oddParity = false;
  int m_sheets = 0;
};

}  // namespace quitanza::report
