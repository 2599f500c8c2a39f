#pragma once

#include "report/model/PropTable.h"
#include "report/model/Types.h"

#include <QString>

namespace quitanza::report {

class PrintOptions {
public:
  int Copies = 1;
  bool Collate = true;
  QString PageNumbers;
  QString Printer = QStringLiteral("Default");
  report::PrintMode PrintMode = PrintMode::Default;
  int PrintOnSheet = 0;
  report::PrintPages PrintPages = PrintPages::All;
  bool Reverse = false;
  bool ShowDialog = true;
  bool SwapPageSize = false;  // never stored

  void Clear() { *this = report::PrintOptions(); }

  static const PropTable& Props();
};

}  // namespace quitanza::report
