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
  // Chosen when printing, never stored: overlap in millimetres between the
  // sheets of a split page, the duplex asked for, and a file that takes the
  // job instead of the printer.
  int SplicingLine = 3;
  report::DuplexMode Duplex = DuplexMode::None;
  QString PrnOutFileName;

  void Clear() { *this = report::PrintOptions(); }

  static const PropTable& Props();
};

}  // namespace quitanza::report
