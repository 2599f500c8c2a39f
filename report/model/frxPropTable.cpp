#include "report/model/frxPropTable.h"

#include "report/format/frxErrors.h"
#include "report/format/frxFloat.h"
#include "report/model/frxComponent.h"

using namespace quitanza::platform;

bool TfrxPropInfo::AtDefault(const void* object) const
{
  if (frxIsOrdinalKind(Kind))
    return Default && GetOrd(object) == *Default;
  return Kind == TfrxPropKind::String && GetStr(object).isEmpty();
}

const TfrxPropInfo& TfrxPropTable::Add(TfrxPropInfo info)
{
  const QString key = info.Name.toCaseFolded();
  if (!FIndex.contains(key))
    FIndex.insert(key, FProps.size());
  FProps.push_back(std::move(info));
  return FProps.back();
}

void TfrxPropTable::Append(const TfrxPropTable& other)
{
  for (const TfrxPropInfo& info : other.FProps)
    Add(info);
  if (other.Defined)
    Defined = other.Defined;
}

TfrxPropTable TfrxPropTable::Select(const TfrxPropTable& catalog, std::initializer_list<QStringView> names)
{
  TfrxPropTable table;
  for (QStringView name : names)
    table.Add(catalog.Get(name));
  return table;
}

const TfrxPropInfo* TfrxPropTable::Find(QByteArrayView utf8Name) const
{
  return Find(QStringView(QString::fromUtf8(utf8Name)));
}

const TfrxPropInfo* TfrxPropTable::Find(QStringView name) const
{
  const auto found = FIndex.constFind(name.toString().toCaseFolded());
  return found == FIndex.constEnd() ? nullptr : &FProps[*found];
}

const TfrxPropInfo& TfrxPropTable::Get(QStringView name) const
{
  const TfrxPropInfo* info = Find(name);
  if (!info)
    throw EfrxError(QStringLiteral("No published property ") + name.toString());
  return *info;
}

void TfrxPropTable::Copy(void* to, const void* from, TfrxPropCopy& copy) const
{
  Copy(to, from, copy, [] {});
}

void TfrxPropTable::Copy(void* to, const void* from, TfrxPropCopy& copy, const std::function<void()>& changed) const
{
  for (const TfrxPropInfo& property : FProps) {
    if (!property.IsStored(from) || (!copy.IncludeDefaults && property.AtDefault(from)))
      continue;
    switch (property.Kind) {
    case TfrxPropKind::Integer:
    case TfrxPropKind::Set:
    case TfrxPropKind::Enum:
    case TfrxPropKind::Boolean:
      property.SetOrd(to, property.GetOrd(from));
      break;
    case TfrxPropKind::Float: {
      const long double value = property.GetFloat(from);
      property.SetFloat(to, copy.FileFloats ? frxFileFloat(value) : value);
      break;
    }
    case TfrxPropKind::String:
    case TfrxPropKind::MemoText:
    case TfrxPropKind::StringList:
      property.SetStr(to, property.GetStr(from));
      break;
    case TfrxPropKind::Variant:
      property.SetVariant(to, property.GetVariant(from));
      break;
    case TfrxPropKind::Component: {
      // Like the writer, a reference to nothing is left out.
      const TfrxComponent* target = property.GetRef(from);
      if (!target)
        continue;
      copy.References.push_back({to, &property, target->Name()});
      break;
    }
    case TfrxPropKind::Object:
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
