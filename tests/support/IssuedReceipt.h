#pragma once

#include "report/model/Report.h"

#include <QDate>
#include <QString>

namespace quitanza::report { class PreviewPages; }

// The text issuing gives a receipt variable (Empresa, Cliente, Referente ...):
// one realistic receipt with accents and a reference long enough to wrap.
QString ReceiptText(const QString& variable);

// The receipt layout with its thirteen variables set as issuing sets them,
// as quoted literals; not prepared.
void FillReceipt(quitanza::report::Report& report);

// What a receipt needs besides its texts.
struct IssuedReceiptOptions {
  int Pages = 1;
  // The issuer's logo in both copies, placed as the data module's
  // before-print handler places it.
  bool Logo = true;
  // Pictures left out altogether (the maker's logo too).
  bool Pictures = true;
  // The day the receipt was issued on; the system date when null.
  QDate IssueDate = QDate(2013, 9, 2);
};

// The receipt as the real engine prepares it into the real page store.
class IssuedReceipt {
public:
  explicit IssuedReceipt(const IssuedReceiptOptions& options = {});

  quitanza::report::Report& Report() { return m_report; }
  quitanza::report::PreviewPages& Pages();

private:
  quitanza::report::Report m_report;
};
