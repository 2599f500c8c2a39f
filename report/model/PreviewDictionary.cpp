#include "report/model/PreviewDictionary.h"

#include "report/model/Component.h"

namespace quitanza::report {

using namespace platform;

void PreviewDictionary::Clear()
{
  m_entries.clear();
  m_byAlias.clear();
  m_byObject.clear();
  m_numbersByPrefix.clear();
}

QString PreviewDictionary::UniqueAlias(const QString& prefix) const
{
  // Every object of every source page asks, so numbers are looked up
  // without spelling each candidate alias.
  const auto numbers = m_numbersByPrefix.constFind(prefix);
  const auto taken = [&](int number) { return numbers != m_numbersByPrefix.cend() && numbers->contains(number); };
  int i = 10000;
  while (i > 1 && !taken(i))
    i /= 2;
  while (taken(i))
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
  // An alias as UniqueAlias spells one: a prefix and a number without
  // leading zeros.
  qsizetype digits = alias.size();
  while (digits > 0 && alias[digits - 1] >= u'0' && alias[digits - 1] <= u'9')
    --digits;
  bool isNumber = false;
  const int number = alias.mid(digits).toInt(&isNumber);
  if (isNumber && QString::number(number) == QStringView(alias).mid(digits))
    m_numbersByPrefix[alias.left(digits)].insert(number);
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
