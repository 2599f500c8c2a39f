#include "report/model/frxFloatValueCache.h"

#include "report/model/frxFloat.h"

long double TfrxFloatValueCache::Value(QByteArrayView text)
{
  const auto size = static_cast<std::size_t>(text.size());
  if (size == 0 || size > TfrxShortBytes::kMaxSize)
    return frxStrToFloat(text);
  if (!FEntries)
    FEntries = std::make_unique<std::array<Entry, kSize>>();
  const TfrxShortBytes key = TfrxShortBytes::Of(text.data(), size);
  Entry& entry = (*FEntries)[key.Hash() & (kSize - 1)];
  if (entry.Text == key)
    return entry.Value;
  const long double value = frxStrToFloat(text);
  entry = {key, value};
  return value;
}
