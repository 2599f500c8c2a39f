#pragma once

#include "report/model/frxComponent.h"

#include <QString>

#include <cstddef>
#include <vector>

// The components read so far, found by name ignoring case. One flat table of
// (hash, component) pairs: a lookup compares hashes in place and reads a
// component's name only when its hash matches, so looking up every element of
// a large template costs no allocation and no pass over scattered objects.
class TfrxNameIndex {
public:
  // The key of a name; a caller that looks a name up and then adds a
  // component under it hashes it once.
  static std::size_t Hash(QStringView name);
  void Add(TfrxComponent* component) { Add(component, Hash(component->Name())); }
  void Add(TfrxComponent* component, std::size_t hash);
  TfrxComponent* Find(const QString& name) const { return Find(name, Hash(name)); }
  TfrxComponent* Find(const QString& name, std::size_t hash) const;
  // Asks for the memory a lookup of `hash` reads first.
  void Prefetch(std::size_t hash) const
  {
    if (!FSlots.empty())
      __builtin_prefetch(&FSlots[hash & (FSlots.size() - 1)]);
  }
  // Room for `count` components without growing.
  void Reserve(std::size_t count);
  void Clear();

private:
  struct Slot {
    std::size_t hash = 0;
    TfrxComponent* component = nullptr;
  };

  void Grow();
  void Rehash(std::size_t size);

  std::vector<Slot> FSlots;  // open addressing; the size is a power of two
  std::size_t FCount = 0;
};
