#pragma once

#include <QDate>
#include <QTime>

#include <vector>

namespace quitanza::report {

class Component;
class NullBand;
class Report;
class ReportPage;

// The preparation engine of one report: runs the report's pages into its
// prepared pages store. Objects placed directly on a page (no bands) are
// evaluated and stored as one null band per produced page.
class Engine {
public:
  explicit Engine(quitanza::report::Report& report) : m_report(report) {}

  // Date and time of day at which the current preparation began.
  QDate StartDate;
  QTime StartTime;
  bool Running = false;
  bool FinalPass = true;
  // Page count of a first pass.
  int TotalPages = 0;
  quitanza::report::ReportPage* Page = nullptr;
  // Printable area of the current page, in pixels.
  long double PageWidth = 0;
  long double PageHeight = 0;
  // Position from the top-left corner of the printable area.
  long double CurX = 0;
  long double CurY = 0;
  bool FirstPage = false;
  bool LastPage = false;

  // True when the run reached its end (not stopped by Terminated). Errors
  // raised while evaluating objects propagate; the store is finished anyway.
  bool Run();

private:
  void RunPass();
  void RunPage(quitanza::report::ReportPage& page);
  void ProducePage(quitanza::report::ReportPage& page);
  void ShowPageObjects(quitanza::report::ReportPage& page);
  void ShowBand(NullBand& band, const std::vector<quitanza::report::Component*>& objects);

  quitanza::report::Report& m_report;
};

}  // namespace quitanza::report
