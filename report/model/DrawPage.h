#pragma once

namespace quitanza::platform { class Canvas; }

namespace quitanza::report {

class PageSource;
class ReportPage;

// What the memos of a page show for the page macros and how printed fonts scale.
struct PageDrawInfo {
  int TotalPages = 1;
  int CopyNo = 0;
  double PrintScale = 1;
};

// Draws prepared page `index` (0-based) of `pages` with the paper's corner at
// (offsetX, offsetY) device pixels, scale device pixels per report pixel. An
// index without a page draws nothing.
void DrawPage(PageSource& pages, int index, platform::Canvas& canvas, double scaleX, double scaleY,
              double offsetX, double offsetY);

// Draws one page object as page `index` of a run: its background picture, then
// every view of its bands in order. Odd indexes swap the margins of a page
// with mirror margins. On screen the drawing is clipped to the paper, and
// views well outside the canvas's clip are skipped; on a printer views that
// are not printable are left out.
void DrawReportPage(ReportPage& page, int index, platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                    double offsetY, const PageDrawInfo& info = {});

}  // namespace quitanza::report
