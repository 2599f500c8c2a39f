#pragma once

#include <QString>
#include <QStringList>

namespace quitanza::report {

// The report's error list: sorted alphabetically, each text held once, so a
// fault met on every object is reported a single time.
class ErrorList {
public:
  void Add(const QString& text);
  void Clear() { m_items.clear(); }
  bool IsEmpty() const { return m_items.isEmpty(); }
  qsizetype Count() const { return m_items.size(); }
  const QStringList& Items() const { return m_items; }
  bool Contains(const QString& text) const;
  // Lines joined by CR LF, as they appear in the error message.
  QString Text() const { return m_items.join(QStringLiteral("\r\n")); }

private:
  QStringList m_items;
};

}  // namespace quitanza::report
