#include "report/model/frxFloatTextCache.h"

#include <bit>
#include <cstring>

namespace {

// Mixes the bits of the value rounded to a double. The extended value's own
// bytes would be read back right after the caller stored them in another
// width, which stalls the processor; values that round alike only share a
// slot.
std::size_t Slot(long double value, std::size_t size)
{
  const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(value));
  const std::uint64_t mixed = (bits ^ (bits >> 29)) * 0x9E3779B97F4A7C15ULL;
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
  if (entry.decimalSeparator == decimalSeparator && entry.value == value)
    return {entry.text, entry.length};
  const int length = frxFormatFloat(FLongText, value, decimalSeparator);
  if (static_cast<std::size_t>(length) > kTextSize)
    return {FLongText, static_cast<std::size_t>(length)};
  entry.value = value;
  entry.decimalSeparator = decimalSeparator;
  entry.length = static_cast<std::uint8_t>(length);
  std::memcpy(entry.text, FLongText, static_cast<std::size_t>(length));
  return {entry.text, entry.length};
}
