#include "report/model/Variables.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

namespace {

bool SameName(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) == 0; }

QString Heading(const QString& category) { return QLatin1Char(' ') + category; }

}  // namespace

const PropTable& Variable::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<Variable> b(t);
    b.Str(QStringLiteral("Name"), &Variable::Name);
    b.Variant(QStringLiteral("Value"), &Variable::Value);
    return t;
  }();
  return table;
}

Variable& Variables::Add()
{
  m_items.emplace_back();
  return m_items.back();
}

int Variables::IndexOf(const QString& name) const
{
  for (int i = 0; i < Count(); ++i) {
    if (SameName(Items(i).Name, name))
      return i;
  }
  return -1;
}

QVariant Variables::Value(const QString& name) const
{
  const int index = IndexOf(name);
  return index < 0 ? QVariant() : Items(index).Value;
}

void Variables::SetValue(const QString& name, const QVariant& value)
{
  const int index = IndexOf(name);
  Variable& item = index < 0 ? Add() : Items(index);
  item.Name = index < 0 ? name : item.Name;
  item.Value = value;
}

int Variables::CategoryEnd(int heading) const
{
  int end = heading + 1;
  while (end < Count() && !Items(end).IsCategory())
    ++end;
  return end;
}

void Variables::AddVariable(const QString& category, const QString& name, const QVariant& value)
{
  const int heading = IndexOf(Heading(category));
  if (heading < 0)
    return;
  const int existing = IndexOf(name);
  if (existing >= 0) {
    Items(existing).Value = value;
    return;
  }
  Variable item;
  item.Name = name;
  item.Value = value;
  m_items.insert(m_items.begin() + CategoryEnd(heading), item);
}

void Variables::DeleteVariable(const QString& name)
{
  const int index = IndexOf(name);
  if (index >= 0)
    m_items.erase(m_items.begin() + index);
}

void Variables::DeleteCategory(const QString& category)
{
  const int heading = IndexOf(Heading(category));
  if (heading >= 0)
    m_items.erase(m_items.begin() + heading, m_items.begin() + CategoryEnd(heading));
}

QStringList Variables::GetCategoriesList() const
{
  QStringList categories;
  for (const Variable& item : m_items) {
    if (item.IsCategory())
      categories.append(item.Name.mid(1));
  }
  return categories;
}

QStringList Variables::GetVariablesList(const QString& category) const
{
  QStringList names;
  const int heading = IndexOf(Heading(category));
  if (heading < 0)
    return names;
  for (int i = heading + 1; i < CategoryEnd(heading); ++i)
    names.append(Items(i).Name);
  return names;
}

Variables& GlobalVariables()
{
  static Variables variables;
  return variables;
}

}  // namespace quitanza::report
