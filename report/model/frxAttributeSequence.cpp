#include "report/model/frxAttributeSequence.h"

void TfrxAttributeSequence::Remember(std::size_t position, QByteArrayView name,
                                     const TfrxResolvedAttribute& resolved)
{
  if (position >= FEntries.size())
    FEntries.resize(position + 1);
  Entry& entry = FEntries[position];
  const auto size = static_cast<std::size_t>(name.size());
  entry.Name = size <= TfrxShortBytes::kMaxSize ? TfrxShortBytes::Of(name.data(), size) : TfrxShortBytes();
  entry.Resolved = resolved;
}

TfrxAttributeSequence& TfrxAttributeSequences::For(const TfrxPropTable& table)
{
  for (auto& [known, sequence] : FSequences) {
    if (known == &table)
      return sequence;
  }
  return FSequences.emplace_back(&table, TfrxAttributeSequence()).second;
}
