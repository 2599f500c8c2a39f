#include "report/model/frxFloatTextCache.h"

#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64, "x87 extended values: ten significant bytes");

std::string_view TfrxFloatTextCache::Text(const long double& value, char decimalSeparator)
{
  // Equal bytes are equal values, or NaNs that format alike; the two zeros
  // differ and only take an entry each.
  std::uint64_t low;
  std::uint16_t high;
  std::memcpy(&low, &value, sizeof low);
  std::memcpy(&high, reinterpret_cast<const char*>(&value) + sizeof low, sizeof high);
  const std::uint64_t hash = low ^ (std::uint64_t(high) << 48);
  if (const Entry* found = FEntries.Find(hash, [&](const Entry& entry) {
        return entry.decimalSeparator == decimalSeparator && entry.low == low && entry.high == high;
      }))
    return {found->text, found->length};
  const int length = frxFormatFloat(FLongText, value, decimalSeparator);
  if (static_cast<std::size_t>(length) > kTextSize)
    return {FLongText, static_cast<std::size_t>(length)};
  Entry& entry = FEntries.Place(hash);
  entry.low = low;
  entry.high = high;
  entry.decimalSeparator = decimalSeparator;
  entry.length = static_cast<std::uint8_t>(length);
  std::memcpy(entry.text, FLongText, static_cast<std::size_t>(length));
  return {entry.text, entry.length};
}
