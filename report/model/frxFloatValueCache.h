#pragma once

#include "report/model/frxPairedSets.h"

#include <QByteArrayView>

#include <cstdint>

// The values of float texts read lately, by text. Templates repeat their
// coordinates and sizes from object to object, and converting a decimal text
// to an extended value exactly costs a division on the x87 unit.
class TfrxFloatValueCache {
public:
  // frxStrToFloat(text); throws as it does, and then remembers nothing.
  long double Value(QByteArrayView text);

private:
  // Texts of up to sixteen ASCII bytes are kept, as the two overlapping
  // words of TfrxShortBytes with the size in the high bits of the first
  // word's bytes, which ASCII leaves clear: a key and its value take 32
  // bytes, two to a cache line, and the value is read where it lies.
  struct Entry {
    static constexpr std::uint64_t kEmpty = ~std::uint64_t(0);  // no ASCII text's word
    long double Value = 0;
    std::uint64_t Head = 0;
    std::uint64_t Tail = kEmpty;
    bool Empty() const { return Tail == kEmpty; }
  };
  static_assert(sizeof(Entry) == 32);

  TfrxPairedSets<Entry, 256> FEntries;
};
