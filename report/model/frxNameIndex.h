#pragma once

#include <QString>

#include <cstddef>
#include <vector>

class TfrxComponent;

// The components read so far, found by name ignoring case. One flat table of
// (hash, component) pairs: a lookup compares hashes in place and reads a
// component's name only when its hash matches, so looking up every element of
// a large template costs no allocation and no pass over scattered objects.
class TfrxNameIndex {
public:
  void Add(TfrxComponent* component);
  TfrxComponent* Find(const QString& name) const;
  // Room for `count` components without growing.
  void Reserve(std::size_t count);
  void Clear();

private:
  struct Slot {
    std::size_t hash = 0;
    TfrxComponent* component = nullptr;
  };

  // Reading looks a name up and then adds the component under the same
  // string: its hash is kept from the one to the other.
  std::size_t Hash(const QString& name) const;
  void Grow();
  void Rehash(std::size_t size);

  std::vector<Slot> FSlots;  // open addressing; the size is a power of two
  std::size_t FCount = 0;
  mutable QString FHashedName;
  mutable std::size_t FHashedValue = 0;
};
