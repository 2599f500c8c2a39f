#include "report/model/ErrorList.h"

#include <algorithm>

namespace quitanza::report {

void ErrorList::Add(const QString& text)
{
  auto at = std::lower_bound(m_items.begin(), m_items.end(), text);
  if (at == m_items.end() || *at != text)
    m_items.insert(at, text);
}

bool ErrorList::Contains(const QString& text) const
{
  return std::binary_search(m_items.begin(), m_items.end(), text);
}

}  // namespace quitanza::report
