#pragma once

#include <QDateTime>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace quitanza::report {

// The state of a preparation that the system variables show.
struct SystemVariableValues {
  QDateTime PreparationStart;
  int Page = 0;                 // logical page number
  int PhysicalPage = 0;         // current page index + 1
  int TotalPages = 0;           // logical page count
  int FirstPassTotalPages = 0;  // page count of the first pass; 0 with a single pass
  int Line = 0;
  int LineThrough = 0;
  QVariant CopyName0;           // the global variable "CopyName0"
};

// "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#",
// "CopyName#", in this order: the report's system variable list after Clear.
QStringList SystemVariableNames();

// The value of a system variable (name matched ignoring case): "Date" is the date part
// of the preparation start, "Time" its time of day. None for other names.
std::optional<QVariant> SystemVariableValue(const QString& name, const SystemVariableValues& values);

}  // namespace quitanza::report
