#pragma once

#include <QString>

namespace quitanza::report {

// Fills in, at drawing time, the placeholders that expansion leaves for values known
// only then: "[TotalPages#]" becomes the total page count and "[CopyName#]" the copy's
// name (letter case ignored in both).
QString ExtractMacros(const QString& text, int totalPages, const QString& copyName);

}  // namespace quitanza::report
