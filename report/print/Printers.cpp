#include "report/print/Printers.h"

#include <QPrinterInfo>

#include <algorithm>

namespace quitanza::report {

Printers::Printers(const QStringList& names, const QString& defaultName) : m_physical(!names.isEmpty())
{
  for (const QString& name : names)
    m_printers.push_back(std::make_unique<Printer>(name));
  if (m_printers.empty())
    m_printers.push_back(Printer::Virtual());
  m_defaultIndex = std::max(0, static_cast<int>(names.indexOf(defaultName)));
  m_index = m_defaultIndex;
}

Printers& Printers::System()
{
  static Printers printers(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
  return printers;
}

QStringList Printers::Names() const
{
  QStringList names;
  for (const auto& printer : m_printers)
    names << printer->Name();
  return names;
}

int Printers::IndexOf(const QString& name) const
{
  return static_cast<int>(Names().indexOf(name));
}

void Printers::SetPrinterIndex(int index)
{
  m_index = index < 0 ? m_defaultIndex : index;
  Current().Init();
}

}  // namespace quitanza::report
