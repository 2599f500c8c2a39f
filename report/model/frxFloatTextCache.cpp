#include "report/model/frxFloatTextCache.h"

#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64, "x87 extended values: ten significant bytes");

TfrxFloatTextCache::Entry* TfrxFloatTextCache::Find(Set& set, std::uint64_t low, std::uint16_t high,
                                                     char decimalSeparator)
{
  for (Entry& entry : set.ways) {
    if (entry.decimalSeparator == decimalSeparator && entry.low == low && entry.high == high)
      return &entry;
  }
  return nullptr;
}

std::string_view TfrxFloatTextCache::Text(const long double& value, char decimalSeparator)
{
  if (!FSets)
    FSets = std::make_unique<std::array<Set, kSets>>();
  // Equal bytes are equal values, or NaNs that format alike; the two zeros
  // differ and only take an entry each.
  std::uint64_t low;
  std::uint16_t high;
  std::memcpy(&low, &value, sizeof low);
  std::memcpy(&high, reinterpret_cast<const char*>(&value) + sizeof low, sizeof high);
  // Values of a template differ in few bits: they are mixed thoroughly, or
  // many would meet in the same lines.
  std::uint64_t mixed = low ^ (std::uint64_t(high) << 48);
  mixed = (mixed ^ (mixed >> 33)) * 0xFF51AFD7ED558CCDULL;
  mixed = (mixed ^ (mixed >> 33)) * 0xC4CEB9FE1A85EC53ULL;
  mixed ^= mixed >> 33;
  Set& first = (*FSets)[mixed & (kSets - 1)];
  Set& second = (*FSets)[(mixed >> 32) & (kSets - 1)];
  const Entry* found = Find(first, low, high, decimalSeparator);
  if (!found)
    found = Find(second, low, high, decimalSeparator);
  if (found)
    return {found->text, found->length};
  const int length = frxFormatFloat(FLongText, value, decimalSeparator);
  if (static_cast<std::size_t>(length) > kTextSize)
    return {FLongText, static_cast<std::size_t>(length)};
  // Into a line with room if either has some; the newest value goes first
  // and the older of the two leaves.
  Set& set = first.ways[1].decimalSeparator != 0 && second.ways[1].decimalSeparator == 0 ? second : first;
  set.ways[1] = set.ways[0];
  Entry& entry = set.ways[0];
  entry.low = low;
  entry.high = high;
  entry.decimalSeparator = decimalSeparator;
  entry.length = static_cast<std::uint8_t>(length);
  std::memcpy(entry.text, FLongText, static_cast<std::size_t>(length));
  return {entry.text, entry.length};
}
