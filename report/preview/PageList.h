#pragma once

#include <QRect>
#include <QSize>

#include <vector>

namespace quitanza::report {

// Where the preview places its pages: rows of pages, each row centred in the
// workspace, 10 pixels apart. Sizes are device-independent pixels at the
// current zoom.
class PageList {
public:
  void Clear();
  void AddPage(QSize size);
  int Count() const { return static_cast<int>(m_pages.size()); }

  // Places the pages in rows no wider than clientWidth (a row always takes
  // at least one page), each row centred.
  void CalcBounds(int clientWidth);
  // The page's rectangle in the workspace; an index outside the list gives
  // an A4 sheet at `zoom`, centred, 10 x zoom from the top.
  QRect Bounds(int index, double zoom, int clientWidth) const;
  // Widest row and bottom of the last page, without the outer 10-pixel edge.
  int MaxWidth() const { return m_maxWidth; }
  int Bottom() const;
  // The first page whose row reaches below y: the page at the top of a view
  // scrolled to y.
  int FindPage(int y) const;

private:
  std::vector<QRect> m_pages;
  int m_maxWidth = 0;
};

}  // namespace quitanza::report
