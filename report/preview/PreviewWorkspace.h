#pragma once

#include "report/preview/PageList.h"

#include <QAbstractScrollArea>
#include <QPoint>

namespace quitanza::report {

class PageSource;

// The scrollable surface that shows prepared pages in rows, the current page
// framed; also the thumbnail panel at zoom 0.1 with page numbers. Pages are
// drawn at the screen's device pixel ratio, so they stay sharp on high-DPI
// screens, and only those around the view are considered.
class PreviewWorkspace : public QAbstractScrollArea {
  Q_OBJECT
public:
  static constexpr int kSmallStep = 8;
  static constexpr int kLargeStep = 300;
  static constexpr int kWheelStep = 20;
  // Pages painted on either side of the page at the top of the view.
  static constexpr int kPagesAround = 40;

  explicit PreviewWorkspace(bool thumbnail, QWidget* parent = nullptr);

  void SetPages(PageSource* pages) { m_pages = pages; }
  double Zoom() const { return m_zoom; }
  void SetZoom(double zoom) { m_zoom = zoom; }
  // The page list rebuilt from the first `count` pages' sizes at the zoom.
  void RebuildPageList(int count);
  // Appends one page while pages are being prepared.
  void AddPage(int index);
  int LaidOutPages() const { return m_list.Count(); }
  // Rows, scroll ranges and a repaint.
  void CalcBounds();
  // What CalcBounds fits the rows into.
  int LayoutWidth() const;

  // The current page (0-based), framed.
  int PageIndex() const { return m_pageIndex; }
  void SetPageIndex(int index);
  QRect PageBounds(int index) const { return m_list.Bounds(index, m_zoom, LayoutWidth()); }
  // Scrolls so that the page's top is 10 pixels below the view's top, plus
  // `top` pixels into the page.
  void ScrollToPage(int index, int top = 0);
  int PageAtTop() const;
  QPoint Offset() const;
  void SetOffset(QPoint offset);
  // Makes `rect` (workspace pixels) visible, 20 pixels inside the edges it crossed.
  void ScrollIntoView(const QRect& rect);

  // Nothing is painted while locked.
  void SetLocked(bool locked);
  bool Locked() const { return m_locked; }
  void SetShowFound(bool show);
  // The page under a workspace point; -1 between pages.
  int PageAt(QPoint workspacePoint) const;

Q_SIGNALS:
  // The operator scrolled: the page at the top of the view changed.
  void TopPageChanged(int index);
  void PageClicked(int index);
  // A left click that was no drag, and the pointer moving without buttons,
  // in workspace pixels.
  void Clicked(QPoint workspacePoint);
  void Hovered(QPoint workspacePoint);
  // Ctrl+wheel: notches (positive away from the operator).
  void ZoomWheel(int notches);
  void NavigationKey(int key, bool control);
  void DoubleClicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  void PaintPage(QPainter& painter, int index, const QRect& exposed);
  void PaintFoundText(QPainter& painter, const QRect& page);

  PageSource* m_pages = nullptr;
  PageList m_list;
  bool m_thumbnail;
  double m_zoom = 1;
  int m_pageIndex = 0;
  bool m_locked = false;
  bool m_showFound = false;
  bool m_adjusting = false;  // moving the view ourselves, not the operator
  QPoint m_dragStart;
  QPoint m_dragOffset;
  bool m_dragging = false;
};

}  // namespace quitanza::report
