#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>

// The table behind the small caches of values met again while reading and
// writing templates: each key may live in either of two sets of two entries,
// chosen by a thorough mix of its hash.
//
// Templates bring their values round in the same order object after object
// (a page's rows, then again the next page's). With one place per key, keys
// that meet there take turns and miss on every round; with two sets to
// choose from, a table filled to half has hardly any such meetings.
//
// `Entry` is default-constructed empty and tells so with Empty().
template <class Entry, std::size_t kSets> class TfrxPairedSets {
  static_assert((kSets & (kSets - 1)) == 0, "a power of two");
  static_assert(std::is_trivially_destructible_v<Entry>, "entries are dropped with their block, never destroyed");

public:
  // The entry `matches` accepts among the two sets of `hash`, or null.
  template <class Matches> Entry* Find(std::uint64_t hash, Matches matches)
  {
    if (!FSets)
      return nullptr;
    for (Set* set : Sets(hash)) {
      for (Entry& entry : set->ways) {
        if (matches(entry))
          return &entry;
      }
    }
    return nullptr;
  }

  // The entry to fill for a key of `hash` that Find did not find: in a set
  // with room if either has some, first in its set; the older of the set's
  // two entries leaves.
  Entry& Place(std::uint64_t hash)
  {
    if (!FSets)
      Allocate();
    const std::array<Set*, 2> sets = Sets(hash);
    Set& set = sets[0]->ways[1].Empty() || !sets[1]->ways[1].Empty() ? *sets[0] : *sets[1];
    set.ways[1] = set.ways[0];
    set.ways[0] = Entry();
    return set.ways[0];
  }

private:
  static constexpr std::size_t kLine = 64;
  struct Set {
    Entry ways[2];
  };
  static_assert(sizeof(Set) == kLine, "a set fills one cache line");

  // The sets start on a line of their own, placed by hand in a plain block:
  // an over-aligned allocation leaves pieces of the heap around it that
  // short-lived serializers, made and freed by the thousand while pages are
  // prepared, would scatter all over memory.
  void Allocate()
  {
    FStorage = std::make_unique<unsigned char[]>(kSets * sizeof(Set) + kLine);
    void* at = FStorage.get();
    std::size_t room = kSets * sizeof(Set) + kLine;
    FSets = new (std::align(kLine, kSets * sizeof(Set), at, room)) Set[kSets]();
  }

  std::array<Set*, 2> Sets(std::uint64_t hash) const
  {
    // Keys of a template differ in few bits: without this mix many of them
    // would meet in the same sets.
    hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDULL;
    hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ULL;
    hash ^= hash >> 33;
    return {&FSets[hash & (kSets - 1)], &FSets[(hash >> 32) & (kSets - 1)]};
  }

  std::unique_ptr<unsigned char[]> FStorage;  // made on first use
  Set* FSets = nullptr;                       // in FStorage
};
