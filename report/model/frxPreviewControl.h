#pragma once

class TfrxReport;

// A preview attached to a report (TfrxReport::Preview) while it shows it: it
// follows the preparation's progress and is closed when preparation fails.
class TfrxPreviewControl {
public:
  virtual ~TfrxPreviewControl() = default;
  virtual void OnProgressStart(TfrxReport& report, int kind) = 0;
  virtual void OnProgress(TfrxReport& report, int kind, int progress) = 0;
  virtual void OnProgressStop(TfrxReport& report, int kind) = 0;
  virtual void Close() = 0;
};
