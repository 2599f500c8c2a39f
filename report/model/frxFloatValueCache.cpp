#include "report/model/frxFloatValueCache.h"

#include "report/model/frxFloat.h"
#include "report/model/frxShortBytes.h"

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Sizes 1 to 16 as four bits, one in the high bit of each of the first four
// bytes.
std::uint64_t SizeBits(std::size_t size)
{
  const std::uint64_t bits = size - 1;
  return (bits & 1) << 7 | (bits & 2) << 14 | (bits & 4) << 21 | (bits & 8) << 28;
}

}  // namespace

long double TfrxFloatValueCache::Value(QByteArrayView text)
{
  const auto size = static_cast<std::size_t>(text.size());
  if (size == 0 || size > TfrxShortBytes::kMaxSize)
    return frxStrToFloat(text);
  const TfrxShortBytes bytes = TfrxShortBytes::Of(text.data(), size);
  if ((bytes.Head | bytes.Tail) & kHighBits)
    return frxStrToFloat(text);
  const std::uint64_t head = bytes.Head | SizeBits(size);
  const std::uint64_t tail = bytes.Tail;
  const std::uint64_t hash = head * 0x9E3779B97F4A7C15ULL ^ tail;
  if (const Entry* found =
          FEntries.Find(hash, [head, tail](const Entry& entry) { return entry.Head == head && entry.Tail == tail; }))
    return found->Value;
  const long double value = frxStrToFloat(text);
  Entry& entry = FEntries.Place(hash);
  entry.Value = value;
  entry.Head = head;
  entry.Tail = tail;
  return value;
}
