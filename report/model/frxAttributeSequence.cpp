#include "report/model/frxAttributeSequence.h"

const TfrxResolvedAttribute* TfrxAttributeSequence::Expected(std::size_t position, QByteArrayView rest,
                                                             qsizetype& nameSize) const
{
  if (position >= FEntries.size())
    return nullptr;
  const Entry& entry = FEntries[position];
  const std::size_t size = entry.Name.Size;
  if (size == 0 || static_cast<std::size_t>(rest.size()) <= size || rest[static_cast<qsizetype>(size)] != '=' ||
      TfrxShortBytes::Of(rest.data(), size) != entry.Name)
    return nullptr;
  nameSize = static_cast<qsizetype>(size);
  return &entry.Resolved;
}

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
