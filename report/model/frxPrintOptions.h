#pragma once

#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

#include <QString>

class TfrxPrintOptions {
public:
  int Copies = 1;
  bool Collate = true;
  QString PageNumbers;
  QString Printer = QStringLiteral("Default");
  TfrxPrintMode PrintMode = pmDefault;
  int PrintOnSheet = 0;
  TfrxPrintPages PrintPages = ppAll;
  bool Reverse = false;
  bool ShowDialog = true;
  bool SwapPageSize = false;  // never stored

  void Clear() { *this = TfrxPrintOptions(); }

  static const TfrxPropTable& Props();
};
