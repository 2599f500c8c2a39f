#pragma once

#include "report/model/PropTable.h"
#include "report/model/Types.h"

#include <QString>

namespace quitanza::report {

class EngineOptions {
public:
  bool ConvertNulls = true;
  bool DoublePass = false;
  int MaxMemSize = 10;  // megabytes of prepared pages before the file cache is used
  bool PrintIfEmpty = true;
  report::SilentMode NewSilentMode = simMessageBoxes;
  QString TempDir;
  bool UseFileCache = false;
  bool IgnoreDevByZero = false;
  // Preparation saves the report first and reloads it afterwards, so changes
  // made while preparing do not stay in the template.
  bool RestoreReportAfterPreparing = true;

  // The older switch: true means simSilent.
  bool SilentMode() const { return NewSilentMode == simSilent; }
  void SetSilentMode(bool silent) { NewSilentMode = silent ? simSilent : simMessageBoxes; }

  // What clearing the report resets.
  void Clear();

  static const PropTable& Props();
};

}  // namespace quitanza::report
