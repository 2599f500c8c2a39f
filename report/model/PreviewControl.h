#pragma once

namespace quitanza::report {

class Report;

// A preview attached to a report (Report::Preview) while it shows it: it
// follows the preparation's progress and is closed when preparation fails.
class PreviewControl {
public:
  virtual ~PreviewControl() = default;
  virtual void OnProgressStart(quitanza::report::Report& report, int kind) = 0;
  virtual void OnProgress(quitanza::report::Report& report, int kind, int progress) = 0;
  virtual void OnProgressStop(quitanza::report::Report& report, int kind) = 0;
  virtual void Close() = 0;
};

}  // namespace quitanza::report
