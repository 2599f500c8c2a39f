#include "report/model/frxFloatTextCache.h"

#include <cstring>

namespace {

// Mixes the significand and exponent bits of the value.
std::size_t Slot(long double value, std::size_t size)
{
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &value, sizeof value);
  std::uint64_t significand = 0;
  std::uint16_t exponent = 0;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&exponent, bytes + sizeof significand, sizeof exponent);
  const std::uint64_t mixed = (significand ^ (significand >> 29) ^ exponent) * 0x9E3779B97F4A7C15ULL;
  return static_cast<std::size_t>(mixed >> 40) & (size - 1);
}

}  // namespace

std::string_view TfrxFloatTextCache::Text(long double value, char decimalSeparator)
{
  if (!FEntries)
    FEntries = std::make_unique<std::array<Entry, kSize>>();
  Entry& entry = (*FEntries)[Slot(value, kSize)];
  // Equal values other than the zeros have the same bits, and both zeros
  // are written "0"; a NaN never matches and is formatted every time.
  if (entry.decimalSeparator != decimalSeparator || entry.value != value) {
    entry.value = value;
    entry.decimalSeparator = decimalSeparator;
    entry.length = static_cast<std::uint8_t>(frxFormatFloat(entry.text, value, decimalSeparator));
  }
  return {entry.text, entry.length};
}
