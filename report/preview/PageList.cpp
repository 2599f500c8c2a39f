#include "report/preview/PageList.h"

#include <algorithm>
#include <cmath>

namespace quitanza::report {

namespace {

constexpr int kGap = 10;
constexpr int kA4Width = 794;
constexpr int kA4Height = 1123;

}  // namespace

void PageList::Clear()
{
  m_pages.clear();
  m_maxWidth = 0;
}

void PageList::AddPage(QSize size)
{
  m_pages.emplace_back(0, 0, size.width(), size.height());
}

void PageList::CalcBounds(int clientWidth)
{
  m_maxWidth = 0;
  int y = kGap;
  std::size_t rowStart = 0;
  while (rowStart < m_pages.size()) {
    int rowWidth = 0;
    int rowHeight = 0;
    std::size_t rowEnd = rowStart;
    while (rowEnd < m_pages.size() && (rowEnd == rowStart || rowWidth + m_pages[rowEnd].width() <= clientWidth)) {
      QRect& page = m_pages[rowEnd];
      page.moveTo(rowWidth, y);
      rowWidth += page.width() + kGap;
      rowHeight = std::max(rowHeight, page.height());
      ++rowEnd;
    }
    const int centre = (clientWidth - rowWidth + kGap) / 2;
    const int shift = centre < 0 ? kGap : centre + kGap;
    for (std::size_t i = rowStart; i < rowEnd; ++i)
      m_pages[i].translate(shift, 0);
    m_maxWidth = std::max(m_maxWidth, rowWidth);
    y += rowHeight + kGap;
    rowStart = rowEnd;
  }
}

QRect PageList::Bounds(int index, double zoom, int clientWidth) const
{
  if (index >= 0 && index < Count())
    return m_pages[static_cast<std::size_t>(index)];
  const int width = static_cast<int>(std::lround(kA4Width * zoom));
  const int height = static_cast<int>(std::lround(kA4Height * zoom));
  return {(clientWidth - width) / 2, static_cast<int>(std::lround(kGap * zoom)), width, height};
}

int PageList::Bottom() const
{
  return m_pages.empty() ? 0 : m_pages.back().bottom() + 1;
}

int PageList::FindPage(int y) const
{
  const auto below = std::partition_point(m_pages.begin(), m_pages.end(),
                                          [y](const QRect& page) { return page.bottom() + 1 + kGap <= y; });
  if (below == m_pages.end())
    return std::max(0, Count() - 1);
  return static_cast<int>(below - m_pages.begin());
}

}  // namespace quitanza::report
