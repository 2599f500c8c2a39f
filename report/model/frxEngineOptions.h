#pragma once

#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

#include <QString>

class TfrxEngineOptions {
public:
  bool ConvertNulls = true;
  bool DoublePass = false;
  int MaxMemSize = 10;  // megabytes of prepared pages before the file cache is used
  bool PrintIfEmpty = true;
  TfrxSilentMode NewSilentMode = simMessageBoxes;
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

  static const TfrxPropTable& Props();
};
