#pragma once

#include "report/model/frxFloat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

// The texts of floats written lately, by value. Coordinates and sizes repeat
// from object to object (a column's left, a row's height), and formatting a
// float costs far more than finding it again.
class TfrxFloatTextCache {
public:
  // frxFormatFloat's text of `value`; valid until the next call.
  std::string_view Text(long double value, char decimalSeparator);

private:
  // Short texts only, so that the whole cache stays in the first-level data
  // cache: a larger one is slower than formatting again.
  static constexpr std::size_t kTextSize = 14;
  struct Entry {
    long double value = 0;
    char text[kTextSize];
    std::uint8_t length = 0;
    char decimalSeparator = 0;  // 0: empty
  };
  static constexpr std::size_t kSize = 512;  // a power of two

  std::unique_ptr<std::array<Entry, kSize>> FEntries;  // made on first use
  char FLongText[kFloatTextSize];                      // a text too long for an entry
};
