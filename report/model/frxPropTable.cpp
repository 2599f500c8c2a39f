#include "report/model/frxPropTable.h"

#include "report/model/frxErrors.h"

#include <algorithm>

namespace {

int CompareNames(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive); }

}  // namespace

TfrxPropInfo& TfrxPropTable::Add(TfrxPropInfo info)
{
  FProps.push_back(std::move(info));
  const std::size_t index = FProps.size() - 1;
  auto at = std::lower_bound(FSorted.begin(), FSorted.end(), index, [this](std::size_t a, std::size_t b) {
    return CompareNames(FProps[a].Name, FProps[b].Name) < 0;
  });
  FSorted.insert(at, index);
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

const TfrxPropInfo* TfrxPropTable::Find(QStringView name) const
{
  auto at = std::lower_bound(FSorted.begin(), FSorted.end(), name, [this](std::size_t index, QStringView key) {
    return CompareNames(FProps[index].Name, key) < 0;
  });
  if (at == FSorted.end() || CompareNames(FProps[*at].Name, name) != 0)
    return nullptr;
  return &FProps[*at];
}

const TfrxPropInfo& TfrxPropTable::Get(QStringView name) const
{
  const TfrxPropInfo* info = Find(name);
  if (!info)
    throw EfrxError(QStringLiteral("No published property ") + name.toString());
  return *info;
}
