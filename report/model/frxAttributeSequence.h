#pragma once

#include "report/model/frxPropTable.h"
#include "report/model/frxShortBytes.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

// What the reader does with the value of an attribute, decided from its name
// and the element's property table.
struct TfrxResolvedAttribute {
  enum class Action : std::uint8_t {
    General,      // the full path: PropData, compact texts, deeper names
    Ignore,       // no such property
    Geometry,     // one of the four coordinates
    Name,         // the component's name
    Property,     // a property of the table
    SubProperty,  // a property of a sub-object ("Font.Name")
  };
  Action What = Action::General;
  TfrxGeometry Geometry = TfrxGeometry::None;
  const TfrxPropInfo* Property = nullptr;     // of the table; the sub-object's for SubProperty
  const TfrxPropInfo* SubProperty = nullptr;  // in the sub-object's table; none when unknown
};

// The attribute names of one class's elements as resolved last, by position.
// Templates give every element of a class the same attributes in the same
// order, so the next element compares its names with these instead of
// looking each one up.
class TfrxAttributeSequence {
public:
  // The resolution of the name last seen at `position` when `rest` starts
  // with that name and '='; `nameSize` is then set to its size. Asked for
  // every attribute read, so defined here, where it inlines.
  const TfrxResolvedAttribute* Expected(std::size_t position, QByteArrayView rest, qsizetype& nameSize) const
  {
    if (position >= FEntries.size())
      return nullptr;
    const Entry& entry = FEntries[position];
    const std::size_t size = entry.Name.Size;
    if (size == 0 || static_cast<std::size_t>(rest.size()) <= size || rest[static_cast<qsizetype>(size)] != '=' ||
        TfrxShortBytes::Of(rest.data(), size) != entry.Name)
      return nullptr;
    nameSize = static_cast<qsizetype>(size);
    return &entry.Resolved;
  }
  void Remember(std::size_t position, QByteArrayView name, const TfrxResolvedAttribute& resolved);

private:
  // Names longer than TfrxShortBytes::kMaxSize are not remembered.
  struct Entry {
    TfrxShortBytes Name;  // empty: nothing remembered
    TfrxResolvedAttribute Resolved;
  };
  std::vector<Entry> FEntries;
};

// The sequences of the classes read so far, by property table.
class TfrxAttributeSequences {
public:
  TfrxAttributeSequence& For(const TfrxPropTable& table);

private:
  // A load meets a handful of classes: a short list beats a hash. A deque
  // keeps the sequences in place while more are added.
  std::deque<std::pair<const TfrxPropTable*, TfrxAttributeSequence>> FSequences;
};
