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
  // frxFormatFloat's text of `value`.
  std::string_view Text(long double value, char decimalSeparator);

private:
  struct Entry {
    long double value = 0;
    char decimalSeparator = 0;  // 0: empty
    std::uint8_t length = 0;
    char text[kFloatTextSize];
  };
  static constexpr std::size_t kSize = 1024;  // a power of two

  std::unique_ptr<std::array<Entry, kSize>> FEntries;  // made on first use
};
