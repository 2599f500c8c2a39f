#include "report/model/PreviewDictionary.h"

#include "report/model/Component.h"

namespace quitanza::report {

using namespace platform;

void PreviewDictionary::Clear()
{
  m_entries.clear();
  m_byAlias.clear();
  m_byObject.clear();
}

QString PreviewDictionary::UniqueAlias(const QString& prefix) const
{
  int i = 10000;
  while (i > 1 && !Contains(prefix + QString::number(i)))
    i /= 2;
  while (Contains(prefix + QString::number(i)))
    ++i;
  return prefix + QString::number(i);
}

const SourceObject& PreviewDictionary::Add(const QString& alias, const QString& sourceName,
                                           report::Component& object)
{
  SourceObject entry;
  entry.Alias = alias;
  entry.SourceName = sourceName;
  entry.Object = &object;
  entry.Factory = FindClass(object.ClassName());
  const int index = Count();
  m_entries.push_back(std::move(entry));
  m_byAlias.insert(alias, index);
  m_byObject[&object] = index;
  return m_entries.back();
}

const SourceObject* PreviewDictionary::Find(const QString& alias) const
{
  const auto found = m_byAlias.constFind(alias);
  return found == m_byAlias.cend() ? nullptr : &m_entries[static_cast<std::size_t>(*found)];
}

const SourceObject* PreviewDictionary::FindObject(const report::Component* object) const
{
  const auto found = m_byObject.find(object);
  return found == m_byObject.end() ? nullptr : &m_entries[static_cast<std::size_t>(found->second)];
}

}  // namespace quitanza::report
