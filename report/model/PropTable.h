#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace quitanza::report {

class BinaryReader;
class BinaryWriter;
class Component;
class XMLSerializer;

// How a published property is written and read.
enum class PropKind : std::uint8_t {
  Integer,     // decimal; also colours and characters
  Enum,        // name of the value; a number reads as the ordinal
  Boolean,     // "False" / "True"
  Set,         // bit mask as a decimal number
  Float,       // coordinates, sizes, date-times
  String,
  Variant,     // always written, read back as a string
  StringList,  // written as Name.Text, lines joined by CR LF
  Component,   // reference to another component, by name
  Object,      // sub-object: its own properties with a dotted prefix
  MemoText     // the memo's text: always written after everything else
};

constexpr bool IsOrdinalKind(PropKind kind)
{
  return kind == PropKind::Integer || kind == PropKind::Enum || kind == PropKind::Boolean ||
         kind == PropKind::Set;
}

using EnumNames = std::span<const QStringView>;

// One published property. Accessors take the object as the type-erased
// pointer of the table's root type (see PropBuilder).
struct PropInfo {
  QString Name;
  PropKind Kind = PropKind::Integer;
  std::optional<qint64> Default;  // ordinal kinds only; none = always written
  report::EnumNames EnumNames;
  bool (*Stored)(const void*) = nullptr;  // none = always stored

  std::function<qint64(const void*)> GetOrd;
  std::function<void(void*, qint64)> SetOrd;
  std::function<long double(const void*)> GetFloat;
  std::function<void(void*, long double)> SetFloat;
  std::function<QString(const void*)> GetStr;
  std::function<void(void*, const QString&)> SetStr;
  std::function<QVariant(const void*)> GetVariant;
  std::function<void(void*, const QVariant&)> SetVariant;
  std::function<const report::Component*(const void*)> GetRef;
  std::function<void(void*, report::Component*)> SetRef;
  // Sub-object: the object, its table, and what to tell the owner after one
  // of its properties was read (font inheritance, picture change).
  std::function<void*(void*)> Sub;
  const class PropTable* SubTable = nullptr;
  std::function<void(void*)> SubChanged;

  bool IsStored(const void* object) const { return !Stored || Stored(object); }
  // The writer leaves the property out unless defaults are asked for.
  bool AtDefault(const void* object) const;
};

// A reference met while copying, to be resolved by name once the copy is
// whole: it may point at an object copied after it.
struct PropReference {
  void* Object;
  const PropInfo* Property;
  QString Name;
};

// How PropTable::Copy copies, and the references it met.
struct PropCopy {
  // Properties at their defaults are copied too.
  bool IncludeDefaults = true;
  // Floats are rounded to the 15 significant digits a file keeps of them.
  bool FileFloats = false;
  std::vector<PropReference> References;
};

// Data a class keeps outside its published properties, written as PropData.
struct DefinedProps {
  std::function<void(const void*, BinaryWriter&, const XMLSerializer&)> Write;
  // Reads the value of property `name` (UTF-8); false when the name is not
  // known.
  std::function<bool(void*, QByteArrayView name, BinaryReader&, XMLSerializer&)> Read;
  // Copies the data from the second object to the first as writing it and
  // reading it back would; false when there was nothing to copy.
  std::function<bool(void*, const void*, PropCopy&)> Copy;
  explicit operator bool() const { return Write && Read && Copy; }
};

// The published properties of one class in declared order, with an index by
// name ignoring case for reading.
class PropTable {
public:
  const PropInfo& Add(PropInfo info);
  // A table of the given properties taken from `catalog`, in the given order.
  static PropTable Select(const PropTable& catalog, std::initializer_list<QStringView> names);
  // Appends the properties of `other` in its order.
  void Append(const PropTable& other);

  const std::vector<PropInfo>& Props() const { return m_props; }
  // Restricts the property added last: it is written only when `stored`.
  void SetLastStored(bool (*stored)(const void*)) { m_props.back().Stored = stored; }
  // Names compare ignoring case; the UTF-8 form is a name as files spell it.
  const PropInfo* Find(QStringView name) const;
  const PropInfo* Find(QByteArrayView utf8Name) const;
  const PropInfo& Get(QStringView name) const;
  // Copies what the writer would write of `from` onto `to` (both of this
  // table's class), in the table's order and with the side effects of
  // reading it back: the owner of a sub-object is told after each of its
  // properties. Component references are gathered in `copy`, not set.
  void Copy(void* to, const void* from, PropCopy& copy) const;

  DefinedProps Defined;

private:
  void Copy(void* to, const void* from, PropCopy& copy, const std::function<void()>& changed) const;

  std::vector<PropInfo> m_props;
  QHash<QString, std::size_t> m_index;  // by case-folded name
};

}  // namespace quitanza::report
