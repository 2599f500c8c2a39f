#pragma once

#include "report/model/frxFloat.h"
#include "report/model/frxPairedSets.h"

#include <cstdint>
#include <string_view>

// The texts of floats written lately, by value. Coordinates and sizes repeat
// from object to object (a column's left, a row's height), and formatting a
// float costs far more than finding it again.
class TfrxFloatTextCache {
public:
  // frxFormatFloat's text of `value`; valid until the next call. The value
  // is taken where it lies: its bytes are the key, and reading them from an
  // object stored long ago costs nothing, while a value the caller has just
  // stored would be read back in other widths, which stalls.
  std::string_view Text(const long double& value, char decimalSeparator);

private:
  // Entries of 32 bytes, so that the whole cache stays in the first-level
  // data cache: a larger one is slower than formatting again.
  static constexpr std::size_t kTextSize = 20;
  struct Entry {
    // The ten bytes that make up an extended value; the rest is padding.
    std::uint64_t low = 0;
    std::uint16_t high = 0;
    char decimalSeparator = 0;  // 0: empty
    std::uint8_t length = 0;
    char text[kTextSize];
    bool Empty() const { return decimalSeparator == 0; }
  };
  static_assert(sizeof(Entry) == 32);

  TfrxPairedSets<Entry, 256> FEntries;
  char FLongText[kFloatTextSize];  // a text too long for an entry
};
