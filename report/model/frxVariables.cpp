#include "report/model/frxVariables.h"

#include "report/model/frxPropBuilder.h"

namespace {

bool SameName(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) == 0; }

QString Heading(const QString& category) { return QLatin1Char(' ') + category; }

}  // namespace

const TfrxPropTable& TfrxVariable::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxVariable> b(t);
    b.Str(QStringLiteral("Name"), &TfrxVariable::Name);
    b.Variant(QStringLiteral("Value"), &TfrxVariable::Value);
    return t;
  }();
  return table;
}

TfrxVariable& TfrxVariables::Add()
{
  FItems.emplace_back();
  return FItems.back();
}

int TfrxVariables::IndexOf(const QString& name) const
{
  for (int i = 0; i < Count(); ++i) {
    if (SameName(Items(i).Name, name))
      return i;
  }
  return -1;
}

QVariant TfrxVariables::Value(const QString& name) const
{
  const int index = IndexOf(name);
  return index < 0 ? QVariant() : Items(index).Value;
}

void TfrxVariables::SetValue(const QString& name, const QVariant& value)
{
  const int index = IndexOf(name);
  TfrxVariable& item = index < 0 ? Add() : Items(index);
  item.Name = index < 0 ? name : item.Name;
  item.Value = value;
}

int TfrxVariables::CategoryEnd(int heading) const
{
  int end = heading + 1;
  while (end < Count() && !Items(end).IsCategory())
    ++end;
  return end;
}

void TfrxVariables::AddVariable(const QString& category, const QString& name, const QVariant& value)
{
  const int heading = IndexOf(Heading(category));
  if (heading < 0)
    return;
  const int existing = IndexOf(name);
  if (existing >= 0) {
    Items(existing).Value = value;
    return;
  }
  TfrxVariable item;
  item.Name = name;
  item.Value = value;
  FItems.insert(FItems.begin() + CategoryEnd(heading), item);
}

void TfrxVariables::DeleteVariable(const QString& name)
{
  const int index = IndexOf(name);
  if (index >= 0)
    FItems.erase(FItems.begin() + index);
}

void TfrxVariables::DeleteCategory(const QString& category)
{
  const int heading = IndexOf(Heading(category));
  if (heading >= 0)
    FItems.erase(FItems.begin() + heading, FItems.begin() + CategoryEnd(heading));
}

QStringList TfrxVariables::GetCategoriesList() const
{
  QStringList categories;
  for (const TfrxVariable& item : FItems) {
    if (item.IsCategory())
      categories.append(item.Name.mid(1));
  }
  return categories;
}

QStringList TfrxVariables::GetVariablesList(const QString& category) const
{
  QStringList names;
  const int heading = IndexOf(Heading(category));
  if (heading < 0)
    return names;
  for (int i = heading + 1; i < CategoryEnd(heading); ++i)
    names.append(Items(i).Name);
  return names;
}
