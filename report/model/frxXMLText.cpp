#include "report/model/frxXMLText.h"

#include <algorithm>

void TfrxXMLText::Grow(std::size_t more)
{
  const std::size_t size = this->size();
  const auto capacity = static_cast<std::size_t>(FCapacityEnd - FBegin);
  const std::size_t wanted = std::max({2 * capacity, size + more, std::size_t(256)});
  auto storage = std::make_unique_for_overwrite<char[]>(wanted);
  if (size > 0)
    std::memcpy(storage.get(), FBegin, size);
  FStorage = std::move(storage);
  FBegin = FStorage.get();
  FEnd = FBegin + size;
  FCapacityEnd = FBegin + wanted;
}
