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
  report::SilentMode NewSilentMode = SilentMode::MessageBoxes;
  QString TempDir;
  bool UseFileCache = false;
  bool IgnoreDevByZero = false;
  // Preparation saves the report first and reloads it afterwards, so changes
  // made while preparing do not stay in the template.
  bool RestoreReportAfterPreparing = true;

  // The older switch: true means Silent.
  bool SilentMode() const { return NewSilentMode == SilentMode::Silent; }
  void SetSilentMode(bool silent) { NewSilentMode = silent ? SilentMode::Silent : SilentMode::MessageBoxes; }

  // What clearing the report resets.
  void Clear();

  static const PropTable& Props();
};

}  // namespace quitanza::report
