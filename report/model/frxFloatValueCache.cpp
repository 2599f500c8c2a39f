#include "report/model/frxFloatValueCache.h"

#include "report/model/frxFloat.h"

long double TfrxFloatValueCache::Value(QByteArrayView text)
{
  const auto size = static_cast<std::size_t>(text.size());
  if (size == 0 || size > TfrxShortBytes::kMaxSize)
    return frxStrToFloat(text);
  const TfrxShortBytes key = TfrxShortBytes::Of(text.data(), size);
  const std::uint64_t hash = key.Hash();
  if (const Entry* found = FEntries.Find(hash, [&key](const Entry& entry) { return entry.Text == key; }))
    return found->Value;
  const long double value = frxStrToFloat(text);
  FEntries.Place(hash) = {value, key};
  return value;
}
