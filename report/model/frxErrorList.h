#pragma once

#include <QString>
#include <QStringList>

// The report's error list: sorted alphabetically, each text held once, so a
// fault met on every object is reported a single time.
class TfrxErrorList {
public:
  void Add(const QString& text);
  void Clear() { FItems.clear(); }
  bool IsEmpty() const { return FItems.isEmpty(); }
  qsizetype Count() const { return FItems.size(); }
  const QStringList& Items() const { return FItems; }
  bool Contains(const QString& text) const;
  // Lines joined by CR LF, as they appear in the error message.
  QString Text() const { return FItems.join(QStringLiteral("\r\n")); }

private:
  QStringList FItems;
};
