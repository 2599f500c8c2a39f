#pragma once

#include <QString>

// Display format of a memo's values.
enum TfrxFormatKind : int { fkText, fkNumeric, fkDateTime, fkBoolean };

struct TfrxFormat {
  QString DecimalSeparator;
  QString ThousandSeparator;
  QString FormatStr;
  TfrxFormatKind Kind = fkText;

  bool operator==(const TfrxFormat&) const = default;
};
