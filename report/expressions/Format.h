#pragma once

#include <QString>

namespace quitanza::report {

// Display format of a memo's values.
enum class FormatKind : int { Text, Numeric, DateTime, Boolean };

struct Format {
  QString DecimalSeparator;
  QString ThousandSeparator;
  QString FormatStr;
  FormatKind Kind = FormatKind::Text;

  bool operator==(const report::Format&) const = default;
};

}  // namespace quitanza::report
