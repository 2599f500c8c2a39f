#include "report/model/frxPreviewDictionary.h"

#include "report/model/frxComponent.h"

using namespace quitanza::platform;

void TfrxPreviewDictionary::Clear()
{
  FEntries.clear();
  FByAlias.clear();
  FByObject.clear();
}

QString TfrxPreviewDictionary::UniqueAlias(const QString& prefix) const
{
  int i = 10000;
  while (i > 1 && !Contains(prefix + QString::number(i)))
    i /= 2;
  while (Contains(prefix + QString::number(i)))
    ++i;
  return prefix + QString::number(i);
}

const TfrxSourceObject& TfrxPreviewDictionary::Add(const QString& alias, const QString& sourceName,
                                                   TfrxComponent& object)
{
  TfrxSourceObject entry;
  entry.Alias = alias;
  entry.SourceName = sourceName;
  entry.Object = &object;
  entry.Factory = frxFindClass(object.ClassName());
  const int index = Count();
  FEntries.push_back(std::move(entry));
  FByAlias.insert(alias, index);
  FByObject[&object] = index;
  return FEntries.back();
}

const TfrxSourceObject* TfrxPreviewDictionary::Find(const QString& alias) const
{
  const auto found = FByAlias.constFind(alias);
  return found == FByAlias.cend() ? nullptr : &FEntries[static_cast<std::size_t>(*found)];
}

const TfrxSourceObject* TfrxPreviewDictionary::FindObject(const TfrxComponent* object) const
{
  const auto found = FByObject.find(object);
  return found == FByObject.end() ? nullptr : &FEntries[static_cast<std::size_t>(found->second)];
}
