#pragma once

class TfrxReport;

// Which receipt a layout prints: money received or money paid.
enum class ReceiptKind { Recebimento, Pagamento };

// Fills `report` with the two-copy A4 receipt: its variables, its settings and
// every object of both copies. The report is cleared first.
void BuildReceiptLayout(TfrxReport& report, ReceiptKind kind);
