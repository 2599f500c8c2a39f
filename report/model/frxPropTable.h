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

class TfrxBinaryReader;
class TfrxBinaryWriter;
class TfrxComponent;
class TfrxXMLSerializer;

// How a published property is written and read.
enum class TfrxPropKind : std::uint8_t {
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

constexpr bool frxIsOrdinalKind(TfrxPropKind kind)
{
  return kind == TfrxPropKind::Integer || kind == TfrxPropKind::Enum || kind == TfrxPropKind::Boolean ||
         kind == TfrxPropKind::Set;
}

using TfrxEnumNames = std::span<const QStringView>;

// One published property. Accessors take the object as the type-erased
// pointer of the table's root type (see TfrxPropBuilder).
struct TfrxPropInfo {
  QString Name;
  TfrxPropKind Kind = TfrxPropKind::Integer;
  std::optional<qint64> Default;  // ordinal kinds only; none = always written
  TfrxEnumNames EnumNames;
  bool (*Stored)(const void*) = nullptr;  // none = always stored

  std::function<qint64(const void*)> GetOrd;
  std::function<void(void*, qint64)> SetOrd;
  std::function<long double(const void*)> GetFloat;
  std::function<void(void*, long double)> SetFloat;
  std::function<QString(const void*)> GetStr;
  std::function<void(void*, const QString&)> SetStr;
  std::function<QVariant(const void*)> GetVariant;
  std::function<void(void*, const QVariant&)> SetVariant;
  std::function<const TfrxComponent*(const void*)> GetRef;
  std::function<void(void*, TfrxComponent*)> SetRef;
  // Sub-object: the object, its table, and what to tell the owner after one
  // of its properties was read (font inheritance, picture change).
  std::function<void*(void*)> Sub;
  const class TfrxPropTable* SubTable = nullptr;
  std::function<void(void*)> SubChanged;

  bool IsStored(const void* object) const { return !Stored || Stored(object); }
  // The writer leaves the property out unless defaults are asked for.
  bool AtDefault(const void* object) const;
};

// A reference met while copying, to be resolved by name once the copy is
// whole: it may point at an object copied after it.
struct TfrxPropReference {
  void* Object;
  const TfrxPropInfo* Property;
  QString Name;
};

// How TfrxPropTable::Copy copies, and the references it met.
struct TfrxPropCopy {
  // Properties at their defaults are copied too.
  bool IncludeDefaults = true;
  // Floats are rounded to the 15 significant digits a file keeps of them.
  bool FileFloats = false;
  std::vector<TfrxPropReference> References;
};

// Data a class keeps outside its published properties, written as PropData.
struct TfrxDefinedProps {
  std::function<void(const void*, TfrxBinaryWriter&, const TfrxXMLSerializer&)> Write;
  // Reads the value of property `name` (UTF-8); false when the name is not
  // known.
  std::function<bool(void*, QByteArrayView name, TfrxBinaryReader&, TfrxXMLSerializer&)> Read;
  // Copies the data from the second object to the first as writing it and
  // reading it back would; false when there was nothing to copy.
  std::function<bool(void*, const void*, TfrxPropCopy&)> Copy;
  explicit operator bool() const { return Write && Read && Copy; }
};

// The published properties of one class in declared order, with an index by
// name ignoring case for reading.
class TfrxPropTable {
public:
  const TfrxPropInfo& Add(TfrxPropInfo info);
  // A table of the given properties taken from `catalog`, in the given order.
  static TfrxPropTable Select(const TfrxPropTable& catalog, std::initializer_list<QStringView> names);
  // Appends the properties of `other` in its order.
  void Append(const TfrxPropTable& other);

  const std::vector<TfrxPropInfo>& Props() const { return FProps; }
  // Restricts the property added last: it is written only when `stored`.
  void SetLastStored(bool (*stored)(const void*)) { FProps.back().Stored = stored; }
  // Names compare ignoring case; the UTF-8 form is a name as files spell it.
  const TfrxPropInfo* Find(QStringView name) const;
  const TfrxPropInfo* Find(QByteArrayView utf8Name) const;
  const TfrxPropInfo& Get(QStringView name) const;
  // Copies what the writer would write of `from` onto `to` (both of this
  // table's class), in the table's order and with the side effects of
  // reading it back: the owner of a sub-object is told after each of its
  // properties. Component references are gathered in `copy`, not set.
  void Copy(void* to, const void* from, TfrxPropCopy& copy) const;

  TfrxDefinedProps Defined;

private:
  void Copy(void* to, const void* from, TfrxPropCopy& copy, const std::function<void()>& changed) const;

  std::vector<TfrxPropInfo> FProps;
  QHash<QString, std::size_t> FIndex;  // by case-folded name
};
