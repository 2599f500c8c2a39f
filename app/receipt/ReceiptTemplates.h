#pragma once

#include "app/receipt/ReceiptLayout.h"

#include <QString>

namespace quitanza::app {

// Writes the receipt template of `kind` to `fileName`. The creation and
// change dates are fixed so that the same program writes the same bytes.
void SaveReceiptTemplate(ReceiptKind kind, const QString& fileName);

// File names of the two templates beside the executable.
QString ReceiptTemplateFileName(ReceiptKind kind);

}  // namespace quitanza::app
