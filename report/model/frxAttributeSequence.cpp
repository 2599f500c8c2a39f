#include "report/model/frxAttributeSequence.h"

#include <cstring>

namespace {

template <class Word> Word Load(const char* at)
{
  Word word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Names are a few bytes long: two overlapping words cover four to sixteen
// bytes without a loop or a library call, and without reading past either
// name.
bool SameBytes(const char* a, const char* b, std::size_t size)
{
  if (size >= 8 && size <= 16)
    return Load<std::uint64_t>(a) == Load<std::uint64_t>(b) &&
           Load<std::uint64_t>(a + size - 8) == Load<std::uint64_t>(b + size - 8);
  if (size >= 4 && size < 8)
    return Load<std::uint32_t>(a) == Load<std::uint32_t>(b) &&
           Load<std::uint32_t>(a + size - 4) == Load<std::uint32_t>(b + size - 4);
  return std::memcmp(a, b, size) == 0;
}

}  // namespace

const TfrxResolvedAttribute* TfrxAttributeSequence::Expected(std::size_t position, QByteArrayView rest,
                                                             qsizetype& nameSize) const
{
  if (position >= FEntries.size())
    return nullptr;
  const Entry& entry = FEntries[position];
  if (entry.Size < 0 || rest.size() <= entry.Size || rest[entry.Size] != '=' ||
      !SameBytes(entry.Name, rest.data(), static_cast<std::size_t>(entry.Size)))
    return nullptr;
  nameSize = entry.Size;
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
