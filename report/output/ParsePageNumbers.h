#pragma once

#include <QList>
#include <QString>

namespace quitanza::report {

// Page selection of printing and export: "1,3,5-12" gives the page numbers
// in the order written, duplicates kept; an empty text (spaces ignored)
// gives an empty list, meaning every page. A trailing "-" runs to total.
// Numbers outside 1..total are kept for the caller to skip, except that a
// range is cut to 1..total so a huge range cannot exhaust memory.
// Throws std::invalid_argument for anything that is not numbers, "," and "-".
QList<int> ParsePageNumbers(const QString& pageNumbers, int total);

}  // namespace quitanza::report
