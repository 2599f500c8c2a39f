#include "report/model/frxErrorList.h"

#include <algorithm>

void TfrxErrorList::Add(const QString& text)
{
  auto at = std::lower_bound(FItems.begin(), FItems.end(), text);
  if (at == FItems.end() || *at != text)
    FItems.insert(at, text);
}

bool TfrxErrorList::Contains(const QString& text) const
{
  return std::binary_search(FItems.begin(), FItems.end(), text);
}
