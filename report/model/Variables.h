#pragma once

#include "report/model/PropTable.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace quitanza::report {

// One report variable. A name that begins with a space is a category heading;
// the value is an expression text evaluated at preparation time.
class Variable {
public:
  QString Name;
  QVariant Value;  // a new item holds Null

  bool IsCategory() const { return Name.startsWith(QLatin1Char(' ')); }
  static const PropTable& Props();
};

// Ordered name-to-value list; names compare ignoring case.
class Variables {
public:
  int Count() const { return static_cast<int>(m_items.size()); }
  Variable& Items(int index) { return m_items.at(static_cast<std::size_t>(index)); }
  const Variable& Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  Variable& Add();
  void Clear() { m_items.clear(); }

  int IndexOf(const QString& name) const;
  // The value of the first item with that name; Null when there is none.
  QVariant Value(const QString& name) const;
  // Replaces the first item's value, or appends a new item at the end.
  void SetValue(const QString& name, const QVariant& value);

  // Adds or updates `name` within the category " " + category; nothing when
  // the category does not exist.
  void AddVariable(const QString& category, const QString& name, const QVariant& value);
  void DeleteVariable(const QString& name);
  void DeleteCategory(const QString& category);
  QStringList GetCategoriesList() const;
  QStringList GetVariablesList(const QString& category) const;

private:
  // Index one past the last member of the heading at `heading`.
  int CategoryEnd(int heading) const;

  std::vector<Variable> m_items;
};

// The variable list shared by all reports. Drawing reads the copy names from
// it: "CopyName0" for the first copy, "CopyName1" for the next, and so on.
Variables& GlobalVariables();

}  // namespace quitanza::report
