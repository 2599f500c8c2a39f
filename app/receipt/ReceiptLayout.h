#pragma once

#include <QString>
#include <QStringView>

namespace quitanza::report { class Report; }

namespace quitanza::app {

// Which receipt a layout prints: money received or money paid.
enum class ReceiptKind { Recebimento, Pagamento };

// Fills `report` with the two-copy A4 receipt: its variables, its settings and
// every object of both copies. The report is cleared first.
void BuildReceiptLayout(quitanza::report::Report& report, ReceiptKind kind);

// The first copy's object a second-copy object repeats ("Memo27" gives
// "Informacao"); any other name as it is.
QString FirstCopyName(QStringView objectName);

}  // namespace quitanza::app
