#include "report/model/DrawPage.h"

#include "report/model/MemoView.h"
#include "report/model/PageSource.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"
#include "report/model/ViewPainting.h"

#include <utility>

namespace quitanza::report {

using namespace platform;

namespace {

// Swaps a mirrored page's margins and limits a screen canvas to the paper for
// one drawing, and undoes both however the drawing ends.
class PageDrawingScope {
public:
  PageDrawingScope(report::ReportPage& page, bool mirrored, Canvas& canvas, const platform::Rect& paper)
      : m_page(page), m_mirrored(mirrored), m_canvas(canvas), m_clipped(!canvas.IsPrinter())
  {
    if (m_mirrored)
      std::swap(m_page.LeftMargin, m_page.RightMargin);
    if (m_clipped) {
      m_canvas.SaveClip();
      m_canvas.IntersectClipRect(paper);
    }
    m_page.SetPrinting(canvas.IsPrinter());
  }
  ~PageDrawingScope()
  {
    m_page.SetPrinting(false);
    if (m_clipped)
      m_canvas.RestoreClip();
    if (m_mirrored)
      std::swap(m_page.LeftMargin, m_page.RightMargin);
  }
  PageDrawingScope(const PageDrawingScope&) = delete;
  PageDrawingScope& operator=(const PageDrawingScope&) = delete;

private:
  report::ReportPage& m_page;
  bool m_mirrored;
  Canvas& m_canvas;
  bool m_clipped;
};

double Pixels(long double millimetres)
{
  return static_cast<double>(millimetres * fr1mm);
}

void DrawBackground(ReportPage& page, Canvas& canvas, double scaleX, double scaleY, double offsetX,
                    double offsetY)
{
  PictureView& background = page.BackPicture();
  background.SetBounds(0, 0, (page.PaperWidth() - page.LeftMargin - page.RightMargin) * fr1mm,
                       (page.PaperHeight() - page.TopMargin - page.BottomMargin) * fr1mm);
  if (page.BackPictureVisible && (!page.IsPrinting() || page.BackPicturePrintable))
    background.Draw(canvas, scaleX, scaleY, offsetX + scaleX * Pixels(page.LeftMargin),
                    offsetY + scaleY * Pixels(page.TopMargin));
}

// Whether the view, widened by 20 device pixels, touches the canvas's clip.
bool MayShow(const View& view, const Canvas& canvas, double scaleX, double scaleY, int dx, int dy)
{
  const double left = static_cast<double>(view.AbsLeft());
  const double top = static_cast<double>(view.AbsTop());
  const Rect area{Round(left * scaleX) - 20 + dx, Round(top * scaleY) - 20 + dy,
                   Round((left + static_cast<double>(view.Width())) * scaleX + 20) + dx,
                   Round((top + static_cast<double>(view.Height())) * scaleY + 20) + dy};
  return canvas.RectVisible(area);
}

}  // namespace

void DrawReportPage(ReportPage& page, int index, Canvas& canvas, double scaleX, double scaleY, double offsetX,
                    double offsetY, const PageDrawInfo& info)
{
  const Rect paper{Round(offsetX), Round(offsetY),
                    Round(Pixels(page.PaperWidth()) * scaleX + offsetX) - 1,
                    Round(Pixels(page.PaperHeight()) * scaleY + offsetY) - 1};
  const PageDrawingScope scope(page, page.MirrorMargins && index % 2 == 1, canvas, paper);
  DrawBackground(page, canvas, scaleX, scaleY, offsetX, offsetY);

  offsetX += Pixels(page.LeftMargin) * scaleX;
  offsetY += Pixels(page.TopMargin) * scaleY;
  const int dx = Round(offsetX), dy = Round(offsetY);
  for (Component* component : page.AllObjects()) {
    auto* view = dynamic_cast<View*>(component);
    if (!view || !MayShow(*view, canvas, scaleX, scaleY, dx, dy) || (canvas.IsPrinter() && !view->Printable))
      continue;
    if (auto* memo = dynamic_cast<CustomMemoView*>(view)) {
      memo->TotalPages = info.TotalPages;
      memo->CopyNo = info.CopyNo;
      memo->PrintScale = info.PrintScale;
    }
    view->SetPrinting(canvas.IsPrinter());
    view->Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    view->SetPrinting(false);
  }
}

void DrawPage(PageSource& pages, int index, Canvas& canvas, double scaleX, double scaleY,
              double offsetX, double offsetY)
{
  ReportPage* page = pages.GetPage(index);
  if (!page)
    return;
  DrawReportPage(*page, index, canvas, scaleX, scaleY, offsetX, offsetY,
                 {pages.Count(), pages.CopyNo(), pages.PrintScale()});
}

}  // namespace quitanza::report
