#include "report/model/frxDrawPage.h"

#include "report/model/frxMemoView.h"
#include "report/model/frxPageSource.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxUnits.h"
#include "report/model/frxViewPainting.h"

#include <utility>

using namespace quitanza::platform;

namespace {

// Swaps a mirrored page's margins and limits a screen canvas to the paper for
// one drawing, and undoes both however the drawing ends.
class PageDrawingScope {
public:
  PageDrawingScope(TfrxReportPage& page, bool mirrored, Canvas& canvas, const quitanza::platform::Rect& paper)
      : FPage(page), FMirrored(mirrored), FCanvas(canvas), FClipped(!canvas.IsPrinter())
  {
    if (FMirrored)
      std::swap(FPage.LeftMargin, FPage.RightMargin);
    if (FClipped) {
      FCanvas.SaveClip();
      FCanvas.IntersectClipRect(paper);
    }
    FPage.SetPrinting(canvas.IsPrinter());
  }
  ~PageDrawingScope()
  {
    FPage.SetPrinting(false);
    if (FClipped)
      FCanvas.RestoreClip();
    if (FMirrored)
      std::swap(FPage.LeftMargin, FPage.RightMargin);
  }
  PageDrawingScope(const PageDrawingScope&) = delete;
  PageDrawingScope& operator=(const PageDrawingScope&) = delete;

private:
  TfrxReportPage& FPage;
  bool FMirrored;
  Canvas& FCanvas;
  bool FClipped;
};

double Pixels(long double millimetres)
{
  return static_cast<double>(millimetres * fr1mm);
}

void DrawBackground(TfrxReportPage& page, Canvas& canvas, double scaleX, double scaleY, double offsetX,
                    double offsetY)
{
  TfrxPictureView& background = page.BackPicture();
  background.SetBounds(0, 0, (page.PaperWidth() - page.LeftMargin - page.RightMargin) * fr1mm,
                       (page.PaperHeight() - page.TopMargin - page.BottomMargin) * fr1mm);
  if (page.BackPictureVisible && (!page.IsPrinting() || page.BackPicturePrintable))
    background.Draw(canvas, scaleX, scaleY, offsetX + scaleX * Pixels(page.LeftMargin),
                    offsetY + scaleY * Pixels(page.TopMargin));
}

// Whether the view, widened by 20 device pixels, touches the canvas's clip.
bool MayShow(const TfrxView& view, const Canvas& canvas, double scaleX, double scaleY, int dx, int dy)
{
  const double left = static_cast<double>(view.AbsLeft());
  const double top = static_cast<double>(view.AbsTop());
  const Rect area{frxRound(left * scaleX) - 20 + dx, frxRound(top * scaleY) - 20 + dy,
                   frxRound((left + static_cast<double>(view.Width())) * scaleX + 20) + dx,
                   frxRound((top + static_cast<double>(view.Height())) * scaleY + 20) + dy};
  return canvas.RectVisible(area);
}

}  // namespace

void frxDrawReportPage(TfrxReportPage& page, int index, Canvas& canvas, double scaleX, double scaleY, double offsetX,
                       double offsetY, const TfrxPageDrawInfo& info)
{
  const Rect paper{frxRound(offsetX), frxRound(offsetY),
                    frxRound(Pixels(page.PaperWidth()) * scaleX + offsetX) - 1,
                    frxRound(Pixels(page.PaperHeight()) * scaleY + offsetY) - 1};
  const PageDrawingScope scope(page, page.MirrorMargins && index % 2 == 1, canvas, paper);
  DrawBackground(page, canvas, scaleX, scaleY, offsetX, offsetY);

  offsetX += Pixels(page.LeftMargin) * scaleX;
  offsetY += Pixels(page.TopMargin) * scaleY;
  const int dx = frxRound(offsetX), dy = frxRound(offsetY);
  for (TfrxComponent* component : page.AllObjects()) {
    auto* view = dynamic_cast<TfrxView*>(component);
    if (!view || !MayShow(*view, canvas, scaleX, scaleY, dx, dy) || (canvas.IsPrinter() && !view->Printable))
      continue;
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(view)) {
      memo->TotalPages = info.TotalPages;
      memo->CopyNo = info.CopyNo;
      memo->PrintScale = info.PrintScale;
    }
    view->SetPrinting(canvas.IsPrinter());
    view->Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    view->SetPrinting(false);
  }
}

void frxDrawPage(TfrxPageSource& pages, int index, Canvas& canvas, double scaleX, double scaleY,
                 double offsetX, double offsetY)
{
  TfrxReportPage* page = pages.GetPage(index);
  if (!page)
    return;
  frxDrawReportPage(*page, index, canvas, scaleX, scaleY, offsetX, offsetY,
                    {pages.Count(), pages.CopyNo(), pages.PrintScale()});
}
