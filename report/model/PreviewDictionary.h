#pragma once

#include "report/model/ClassRegistry.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <unordered_map>
#include <vector>

namespace quitanza::report {

class Component;

// One source object of the prepared pages: its alias, its name among the
// source pages ("Page0.Memo1") and the object, from which stored objects are
// rebuilt.
struct SourceObject {
  QString Alias;
  QString SourceName;
  report::Component* Object = nullptr;
  ComponentFactory Factory = nullptr;
};

// Alias -> source object, in the order the aliases were made.
class PreviewDictionary {
public:
  void Clear();
  int Count() const { return static_cast<int>(m_entries.size()); }
  const SourceObject& Items(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }

  // The first free alias for a prefix: p1, p2, ... when aliases are added in
  // sequence. Starting at 10000 and halving, the first taken number is where
  // counting upwards starts. The prefix (a letter) does not end in a digit.
  QString UniqueAlias(const QString& prefix) const;
  // Adds an entry.
  const SourceObject& Add(const QString& alias, const QString& sourceName, report::Component& object);
  const SourceObject* Find(const QString& alias) const;
  // The entry whose object is `object` (a source copy), or nullptr.
  const SourceObject* FindObject(const report::Component* object) const;
  bool Contains(const QString& alias) const { return m_byAlias.contains(alias); }

private:
  std::vector<SourceObject> m_entries;
  QHash<QString, int> m_byAlias;
  std::unordered_map<const report::Component*, int> m_byObject;
  QHash<QString, QSet<int>> m_numbersByPrefix;  // of the aliases in m_byAlias
};

}  // namespace quitanza::report
