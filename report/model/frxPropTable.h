#pragma once

#include "report/model/frxPropField.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
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

// Integer, Enum, Boolean and Set come first in TfrxPropKind: one comparison
// instead of a jump through a table for every property visited.
constexpr bool frxIsOrdinalKind(TfrxPropKind kind)
{
  static_assert(TfrxPropKind::Integer < TfrxPropKind::Set && TfrxPropKind::Enum < TfrxPropKind::Set &&
                TfrxPropKind::Boolean < TfrxPropKind::Set);
  return kind <= TfrxPropKind::Set;
}

using TfrxEnumNames = std::span<const QStringView>;

// The coordinates every component has. Reading sets them straight, without
// the general property path, wherever a class publishes them.
enum class TfrxGeometry : std::uint8_t { None, Left, Top, Width, Height };

// One published property. Accessors take the object as the type-erased
// pointer of the table's root type (see TfrxPropBuilder).
struct TfrxPropInfo {
  QString Name;
  QByteArray Utf8Name;       // filled by TfrxPropTable::Add
  QByteArray Utf8Attribute;  // ' Name="', the start of a top-level attribute
  // Enumerations and booleans: ' Name="value"' whole for each named value.
  std::vector<std::string> Utf8NamedAttributes;
  TfrxPropKind Kind = TfrxPropKind::Integer;
  TfrxGeometry Geometry = TfrxGeometry::None;
  std::optional<qint64> Default;  // ordinal kinds only; none = always written
  TfrxEnumNames EnumNames;
  bool (*Stored)(const void*) = nullptr;  // none = always stored
  // Set when the value is a plain data member: read and written in place.
  TfrxPropField Field;

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
  // Ordinal value, in place when it is a plain member.
  qint64 Ordinal(const void* object) const { return Field.IsOrdinal() ? Field.Ordinal(object) : GetOrd(object); }
  void SetOrdinal(void* object, qint64 value) const
  {
    if (Field.IsOrdinal())
      Field.SetOrdinal(object, value);
    else
      SetOrd(object, value);
  }
  bool IsEmptyString(const void* object) const
  {
    return Field.IsString() ? Field.String(object).isEmpty() : GetStr(object).isEmpty();
  }
};

// Whether a property holds its default, told from the object's bytes where
// the property is a plain member. The writer asks it of every property of
// every object and the answer is mostly yes: the checks of a table are packed
// apart from the descriptors, so a pass over them reads a few cache lines.
class TfrxDefaultCheck {
public:
  static TfrxDefaultCheck For(const TfrxPropInfo& property);

  // False when the value differs or when only the accessors can tell.
  bool Holds(const void* object) const
  {
    // Most members are read as a word and masked to their width: no jump
    // through a table for each property.
    if (FRule == Rule::Word) {
      std::uint64_t word;
      std::memcpy(&word, static_cast<const unsigned char*>(object) + FField.Offset(), sizeof word);
      return (word & FMask) == FValue;
    }
    if (FRule == Rule::EmptyString)
      return FField.String(object).isEmpty();
    return FRule == Rule::Ordinal && FField.Ordinal(object) == static_cast<qint64>(FValue);
  }

private:
  enum class Rule : std::uint8_t { None, Word, Ordinal, EmptyString };

  TfrxPropField FField;
  std::uint64_t FMask = 0;
  std::uint64_t FValue = 0;  // the default; masked for Word
  Rule FRule = Rule::None;
};

// Data a class keeps outside its published properties, written as PropData.
struct TfrxDefinedProps {
  std::function<void(const void*, TfrxBinaryWriter&, const TfrxXMLSerializer&)> Write;
  // Reads the value of property `name` (UTF-8); false when the name is not
  // known.
  std::function<bool(void*, QByteArrayView name, TfrxBinaryReader&, TfrxXMLSerializer&)> Read;
  explicit operator bool() const { return Write && Read; }
};

// The published properties of one class in declared order, with a
// case-insensitive index for reading.
class TfrxPropTable {
public:
  const TfrxPropInfo& Add(TfrxPropInfo info);
  // A table of the given properties taken from `catalog`, in the given order.
  static TfrxPropTable Select(const TfrxPropTable& catalog, std::initializer_list<QStringView> names);
  // Appends the properties of `other` in its order.
  void Append(const TfrxPropTable& other);

  const std::vector<TfrxPropInfo>& Props() const { return FProps; }
  // The check of each property, in the order of Props().
  const std::vector<TfrxDefaultCheck>& DefaultChecks() const { return FDefaultChecks; }
  // Restricts the property added last: it is written only when `stored`.
  void SetLastStored(bool (*stored)(const void*)) { FProps.back().Stored = stored; }
  // Names compare ignoring case; the UTF-8 form looks up the exact spelling
  // first, which is what files hold.
  const TfrxPropInfo* Find(QStringView name) const;
  const TfrxPropInfo* Find(QByteArrayView utf8Name) const;
  const TfrxPropInfo& Get(QStringView name) const;
  // Marks a property as one of the component coordinates.
  void MarkGeometry(QStringView name, TfrxGeometry geometry);
  bool Publishes(TfrxGeometry geometry) const { return (FGeometry >> static_cast<int>(geometry)) & 1; }

  TfrxDefinedProps Defined;
  // Optional shortcut for sub-objects: true when the object would write no
  // attribute unless defaults are asked for, so the writer need not visit
  // each property. It must agree with the properties it stands for.
  bool (*WritesNothing)(const void* object) = nullptr;

private:
  void RebuildExactIndex();

  std::vector<TfrxPropInfo> FProps;
  std::vector<TfrxDefaultCheck> FDefaultChecks;
  unsigned FGeometry = 0;  // bit per TfrxGeometry published
  std::vector<std::size_t> FSorted;  // indexes in case-insensitive name order
  // Open-addressed index of the exact names: the usual spelling is found
  // without comparing strings ignoring case, and without leaving the few
  // cache lines of the slots and the names packed one after another.
  struct ExactSlot {
    int Index = -1;
    int NameOffset = 0;  // in FExactNames
    int NameSize = 0;
  };
  static constexpr std::size_t kMinExactSlots = 16;
  // A lookup ends at the first free slot: there are free slots even in a
  // table without properties (a picture's, whose data is all PropData).
  std::vector<ExactSlot> FExact = std::vector<ExactSlot>(kMinExactSlots);
  std::string FExactNames;
};
