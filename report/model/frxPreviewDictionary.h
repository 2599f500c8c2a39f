#pragma once

#include "report/model/frxClassRegistry.h"

#include <QHash>
#include <QString>

#include <unordered_map>
#include <vector>

class TfrxComponent;

// One source object of the prepared pages: its alias, its name among the
// source pages ("Page0.Memo1") and the object, from which stored objects are
// rebuilt.
struct TfrxSourceObject {
  QString Alias;
  QString SourceName;
  TfrxComponent* Object = nullptr;
  TfrxComponentFactory Factory = nullptr;
};

// Alias -> source object, in the order the aliases were made.
class TfrxPreviewDictionary {
public:
  void Clear();
  int Count() const { return static_cast<int>(FEntries.size()); }
  const TfrxSourceObject& Items(int index) const { return FEntries.at(static_cast<std::size_t>(index)); }

  // The first free alias for a prefix: p1, p2, ... when aliases are added in
  // sequence. Starting at 10000 and halving, the first taken number is where
  // counting upwards starts.
  QString UniqueAlias(const QString& prefix) const;
  // Adds an entry.
  const TfrxSourceObject& Add(const QString& alias, const QString& sourceName, TfrxComponent& object);
  const TfrxSourceObject* Find(const QString& alias) const;
  // The entry whose object is `object` (a source copy), or nullptr.
  const TfrxSourceObject* FindObject(const TfrxComponent* object) const;
  bool Contains(const QString& alias) const { return FByAlias.contains(alias); }

private:
  std::vector<TfrxSourceObject> FEntries;
  QHash<QString, int> FByAlias;
  std::unordered_map<const TfrxComponent*, int> FByObject;
};
