#include "report/model/frxAttributeSequence.h"

#include <cstring>

const TfrxResolvedAttribute* TfrxAttributeSequence::Recall(std::size_t position, QByteArrayView name) const
{
  if (position >= FEntries.size())
    return nullptr;
  const Entry& entry = FEntries[position];
  if (entry.Size != name.size())
    return nullptr;
  // A few bytes: a loop in place beats a library call.
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (entry.Name[i] != name[i])
      return nullptr;
  }
  return &entry.Resolved;
}

void TfrxAttributeSequence::Remember(std::size_t position, QByteArrayView name,
                                     const TfrxResolvedAttribute& resolved)
{
  if (position >= FEntries.size())
    FEntries.resize(position + 1);
  Entry& entry = FEntries[position];
  if (static_cast<std::size_t>(name.size()) > kNameSize) {
    entry.Size = -1;
    return;
  }
  std::memcpy(entry.Name, name.data(), static_cast<std::size_t>(name.size()));
  entry.Size = static_cast<std::int8_t>(name.size());
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
