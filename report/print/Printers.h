#pragma once

#include "report/print/Printer.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace quitanza::report {

// The printers of the system, found once: one entry per queue, the system's
// default current. Without any, the virtual printer is the only one.
class Printers {
public:
  // Printers of those names; `defaultName` (if among them) is current.
  Printers(const QStringList& names, const QString& defaultName);
  // The system's printers, asked for on first use and kept for the process.
  static Printers& System();

  bool HasPhysicalPrinters() const { return m_physical; }
  QStringList Names() const;
  // The printer of that name, or -1.
  int IndexOf(const QString& name) const;
  int PrinterIndex() const { return m_index; }
  // Makes the printer current and initialises it; -1 goes back to the
  // system's default.
  void SetPrinterIndex(int index);
  Printer& Current() { return *m_printers.at(static_cast<std::size_t>(m_index)); }
  Printer& At(int index) { return *m_printers.at(static_cast<std::size_t>(index)); }

private:
  std::vector<std::unique_ptr<Printer>> m_printers;
  bool m_physical;
  int m_defaultIndex = 0;
  int m_index = 0;
};

}  // namespace quitanza::report
