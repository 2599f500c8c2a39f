#pragma once

#include <QString>

namespace quitanza::report {

// Display format of a memo's values.
enum FormatKind : int { fkText, fkNumeric, fkDateTime, fkBoolean };

struct Format {
  QString DecimalSeparator;
  QString ThousandSeparator;
  QString FormatStr;
  FormatKind Kind = fkText;

  bool operator==(const report::Format&) const = default;
};

}  // namespace quitanza::report
