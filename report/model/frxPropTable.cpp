#include "report/model/frxPropTable.h"

#include "report/model/frxErrors.h"

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
