#pragma once

#include "report/format/Errors.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

class QIODevice;

namespace quitanza::report {

class Component;
class Report;
class ReportPage;

// Raised when the user cancels a running export. The run ends quietly with
// the pages done so far in a complete file.
class ExportTerminated : public ReportError {
public:
  ExportTerminated() : ReportError(QStringLiteral("Export terminated")) {}
};

// Modal results of an export filter's dialog.
enum class ModalResult { Ok = 1, Cancel = 2 };

// Base of the export filters. A filter enters the program-wide list
// (ExportFilters) when it is made, so the preview finds it, and leaves it
// when it is freed. The export run of the prepared pages drives a filter
// through Start, StartPage, ExportObject per object, FinishPage and Finish.
class CustomExportFilter {
public:
  CustomExportFilter();
  virtual ~CustomExportFilter();
  CustomExportFilter(const CustomExportFilter&) = delete;
  CustomExportFilter& operator=(const CustomExportFilter&) = delete;

  // --- published settings
  bool ShowDialog = true;
  QString FileName;  // empty: the dialog asks for one
  bool ExportNotPrintable = false;
  bool UseFileCache = true;
  QString DefaultPath;  // put in front of a file name without folder
  bool ShowProgress = true;
  bool OverwritePrompt = false;
  QDateTime CreationTime;  // set when an export starts
  bool DataOnly = false;
  std::function<void(CustomExportFilter&)> OnBeginExport;

  // --- public settings
  bool CurPage = false;
  QString PageNumbers;            // "1,3,5-12"; empty: every page
  QIODevice* Stream = nullptr;    // written instead of a file; left open
  bool SlaveExport = false;
  bool SuppressPageHeadersFooters = false;

  // The report whose prepared pages are exported; set by the export run.
  report::Report* Report = nullptr;

  virtual QString GetDescription() const = 0;
  // Ok or Cancel.
  virtual ModalResult ShowModal() = 0;
  // False when there is nowhere to write to; nothing is written then.
  virtual bool Start() = 0;
  virtual void ExportObject(report::Component& object) = 0;
  virtual void Finish() = 0;
  virtual void FinishPage(report::ReportPage& page, int index) = 0;
  virtual void StartPage(report::ReportPage& page, int index) = 0;
};

// Every export filter alive, in order of creation.
const std::vector<CustomExportFilter*>& ExportFilters();

}  // namespace quitanza::report
