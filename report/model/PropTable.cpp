#include "report/model/PropTable.h"

#include "report/format/Errors.h"
#include "report/format/Float.h"
#include "report/model/Component.h"

namespace quitanza::report {

using namespace platform;

bool PropInfo::AtDefault(const void* object) const
{
  if (IsOrdinalKind(Kind))
    return Default && GetOrd(object) == *Default;
  return Kind == PropKind::String && GetStr(object).isEmpty();
}

const PropInfo& PropTable::Add(PropInfo info)
{
  const QString key = info.Name.toCaseFolded();
  if (!m_index.contains(key))
    m_index.insert(key, m_props.size());
  m_props.push_back(std::move(info));
  return m_props.back();
}

void PropTable::Append(const PropTable& other)
{
  for (const PropInfo& info : other.m_props)
    Add(info);
  if (other.Defined)
    Defined = other.Defined;
}

PropTable PropTable::Select(const PropTable& catalog, std::initializer_list<QStringView> names)
{
  PropTable table;
  for (QStringView name : names)
    table.Add(catalog.Get(name));
  return table;
}

const PropInfo* PropTable::Find(QByteArrayView utf8Name) const
{
  return Find(QStringView(QString::fromUtf8(utf8Name)));
}

const PropInfo* PropTable::Find(QStringView name) const
{
  const auto found = m_index.constFind(name.toString().toCaseFolded());
  return found == m_index.constEnd() ? nullptr : &m_props[*found];
}

const PropInfo& PropTable::Get(QStringView name) const
{
  const PropInfo* info = Find(name);
  if (!info)
    throw ReportError(QStringLiteral("No published property ") + name.toString());
  return *info;
}

void PropTable::Copy(void* to, const void* from, PropCopy& copy) const
{
  Copy(to, from, copy, [] {});
}

void PropTable::Copy(void* to, const void* from, PropCopy& copy, const std::function<void()>& changed) const
{
  for (const PropInfo& property : m_props) {
    if (!property.IsStored(from) || (!copy.IncludeDefaults && property.AtDefault(from)))
      continue;
    switch (property.Kind) {
    case PropKind::Integer:
    case PropKind::Set:
    case PropKind::Enum:
    case PropKind::Boolean:
      property.SetOrd(to, property.GetOrd(from));
      break;
    case PropKind::Float: {
      const long double value = property.GetFloat(from);
      property.SetFloat(to, copy.FileFloats ? FileFloat(value) : value);
      break;
    }
    case PropKind::String:
    case PropKind::MemoText:
    case PropKind::StringList:
      property.SetStr(to, property.GetStr(from));
      break;
    case PropKind::Variant:
      property.SetVariant(to, property.GetVariant(from));
      break;
    case PropKind::Component: {
      // Like the writer, a reference to nothing is left out.
      const report::Component* target = property.GetRef(from);
      if (!target)
        continue;
      copy.References.push_back({to, &property, target->Name()});
      break;
    }
    case PropKind::Object:
      // Reading calls the same accessor on the source; it does not change it.
      property.SubTable->Copy(property.Sub(to), property.Sub(const_cast<void*>(from)), copy, [&] {
        if (property.SubChanged)
          property.SubChanged(to);
        changed();
      });
      continue;
    }
    changed();
  }
  if (Defined && Defined.Copy(to, from, copy))
    changed();
}

}  // namespace quitanza::report
