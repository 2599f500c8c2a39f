#include "report/model/frxNameIndex.h"

using namespace quitanza::platform;

std::size_t TfrxNameIndex::Hash(QStringView name)
{
  std::size_t hash = 2166136261U;
  for (QChar c : name) {
    const char16_t u = c.unicode();
    const char16_t folded = u < 128 ? (u >= u'A' && u <= u'Z' ? u | 0x20 : u) : c.toCaseFolded().unicode();
    hash = (hash ^ folded) * 16777619U;
  }
  return hash;
}

void TfrxNameIndex::Add(TfrxComponent* component, std::size_t hash)
{
  if (2 * (FCount + 1) > FSlots.size())
    Grow();
  const std::size_t mask = FSlots.size() - 1;
  std::size_t at = hash & mask;
  while (FSlots[at].component)
    at = (at + 1) & mask;
  FSlots[at] = {hash, component};
  ++FCount;
}

TfrxComponent* TfrxNameIndex::Find(const QString& name, std::size_t hash) const
{
  if (FSlots.empty())
    return nullptr;
  const std::size_t mask = FSlots.size() - 1;
  for (std::size_t at = hash & mask; FSlots[at].component; at = (at + 1) & mask) {
    const Slot& slot = FSlots[at];
    if (slot.hash == hash && QString::compare(slot.component->Name(), name, Qt::CaseInsensitive) == 0)
      return slot.component;
  }
  return nullptr;
}

void TfrxNameIndex::Clear()
{
  FSlots.clear();
  FCount = 0;
}

void TfrxNameIndex::Reserve(std::size_t count)
{
  std::size_t size = FSlots.empty() ? 64 : FSlots.size();
  while (size < 2 * count)
    size *= 2;
  if (size > FSlots.size())
    Rehash(size);
}

void TfrxNameIndex::Grow() { Rehash(FSlots.empty() ? 64 : 2 * FSlots.size()); }

void TfrxNameIndex::Rehash(std::size_t size)
{
  std::vector<Slot> old = std::move(FSlots);
  FSlots.assign(size, Slot{});
  const std::size_t mask = FSlots.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.component)
      continue;
    std::size_t at = slot.hash & mask;
    while (FSlots[at].component)
      at = (at + 1) & mask;
    FSlots[at] = slot;
  }
}
