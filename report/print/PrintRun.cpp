#include "report/print/PrintRun.h"

#include "platform/graphics/Canvas.h"
#include "report/model/DrawPage.h"
#include "report/model/PageSource.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/print/PrintGeometry.h"
#include "report/print/Printer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quitanza::report {

using namespace platform;

namespace {

double Dots(double millimetres, int dpi)
{
  return millimetres * dpi / 25.4;
}

}  // namespace

PrintRun::PrintRun(Report& report, PageSource& pages, Printer& printer, const PrintOptions& options,
                   const PrintSheet& sheet, std::function<void(int page)> progress)
  : m_report(report), m_pages(pages), m_printer(printer), m_options(options), m_sheet(sheet),
    m_progress(std::move(progress))
{
}

void PrintRun::Execute(const QList<int>& pageList)
{
  m_report.Terminated = false;
  m_pageList = pageList;
  m_printer.Title = !m_report.ReportOptions.Name.isEmpty() ? m_report.ReportOptions.Name
                                                           : QFileInfo(m_report.FileName).fileName();
  const int copies = std::max(1, m_options.Copies);
  if (m_options.Collate) {
    for (int copy = 1; copy <= copies; ++copy) {
      if (!RunModes(copy, 1))
        break;
      // Duplex: the next copy starts on a sheet of its own.
      if (m_oddParity && copy < copies)
        AddEmptySheet();
    }
  } else {
    RunModes(1, copies);
  }
  // A cancelled run still hands over what it printed: a shorter, whole job.
  if (m_started)
    m_printer.EndDoc();
}

bool PrintRun::RunModes(int copyNo, int copiesPerPage)
{
  const int positions = m_pageList.isEmpty() ? m_pages.Count() : static_cast<int>(m_pageList.size());
  QList<int> indexes;
  for (int i = 0; i < positions; ++i) {
    const int index = PageIndexAt(m_options.Reverse ? positions - 1 - i : i);
    if (index >= 0 && Selected(index))
      indexes.append(index);
  }
  if (m_options.PrintMode == PrintMode::Join)
    return PrintJoined(indexes, copyNo, copiesPerPage);
  for (const int index : std::as_const(indexes)) {
    const bool printed = m_options.PrintMode == PrintMode::Split ? PrintSplit(index, copyNo, copiesPerPage)
                                                                 : PrintPage(index, copyNo, copiesPerPage);
    if (!printed)
      return false;
  }
  return true;
}

int PrintRun::PageIndexAt(int position) const
{
  const int index = m_pageList.isEmpty() ? position : m_pageList.at(position) - 1;
  return index >= 0 && index < m_pages.Count() ? index : -1;
}

bool PrintRun::Selected(int index) const
{
  const bool odd = (index + 1) % 2 == 1;
  switch (m_options.PrintPages) {
  case PrintPages::Odd: return odd;
  case PrintPages::Even: return !odd;
  case PrintPages::All: break;
  }
  return true;
}

void PrintRun::TrackDuplex(DuplexMode duplex)
{
  if (duplex != m_lastDuplex) {
    m_lastDuplex = duplex;
    m_oddParity = false;
  }
  if (duplex == DuplexMode::Vertical || duplex == DuplexMode::Horizontal)
    m_oddParity = !m_oddParity;
}

void PrintRun::ApplySettings(const PageSettings& settings, int copies, bool sheetOnly)
{
  // The printer is asked again only when something it prints on changes.
  const bool changed = !m_haveSettings || (sheetOnly ? settings.Bin != m_last.Bin ||
                                                           settings.Orientation != m_last.Orientation ||
                                                           settings.Duplex != m_last.Duplex
                                                     : !(settings == m_last));
  if (changed)
    m_printer.SetPrintParams(settings.Paper, settings.Width, settings.Height, settings.Orientation, settings.Bin,
                             settings.Duplex, copies);
  m_last = settings;
  m_haveSettings = true;
}

void PrintRun::StartSheet()
{
  if (!m_started) {
    m_printer.BeginDoc();
    m_started = true;
  }
  m_printer.BeginPage();
}

void PrintRun::EndSheet(int pageNumber)
{
  if (m_progress)
    m_progress(pageNumber);
  m_printer.EndPage();
  ++m_sheets;
  m_pages.FreeCache();
  // The progress window's Cancel is heard here.
  QCoreApplication::processEvents();
}

void PrintRun::AddEmptySheet()
{
  StartSheet();
  m_printer.EndPage();
  ++m_sheets;
}

bool PrintRun::PrintPage(int index, int copyNo, int copiesPerPage)
{
  if (m_report.Terminated)
    return false;
  ReportPage* page = m_pages.GetPage(index);
  if (!page)
    return true;
  const double pageWidth = static_cast<double>(page->PaperWidth());
  const double pageHeight = static_cast<double>(page->PaperHeight());
  PageSettings settings{page->PaperSize(), pageWidth, pageHeight, page->Orientation(),
                        index == 0 ? page->Bin : page->BinOtherPages,
                        m_options.Duplex != DuplexMode::None ? m_options.Duplex : page->Duplex};
  TrackDuplex(settings.Duplex);
  double kx = 1;
  double ky = 1;
  if (m_options.PrintMode == PrintMode::Scale) {
    settings.Paper = m_sheet.Paper;
    settings.Width = m_sheet.Width;
    settings.Height = m_sheet.Height;
    ApplySettings(settings, copiesPerPage, true);
    kx = m_printer.PaperWidth() / pageWidth;
    ky = m_printer.PaperHeight() / pageHeight;
  } else {
    ApplySettings(settings, copiesPerPage, false);
  }
  StartSheet();
  const DeviceTransform t =
      PageTransform(m_printer.DpiX(), m_printer.DpiY(), m_printer.LeftMargin(), m_printer.TopMargin(), kx, ky);
  DrawReportPage(*page, index, m_printer.Canvas(), t.ScaleX, t.ScaleY, t.OffsetX, t.OffsetY,
                 {m_pages.Count(), copyNo, std::min(kx, ky)});
  EndSheet(index + 1);
  return true;
}

bool PrintRun::PrintSplit(int index, int copyNo, int copiesPerPage)
{
  ReportPage* page = m_pages.GetPage(index);
  if (!page)
    return true;
  const double pageWidth = static_cast<double>(page->PaperWidth());
  const double pageHeight = static_cast<double>(page->PaperHeight());
  const SheetGrid grid =
      SplitGrid(pageWidth, pageHeight,
                {m_sheet.Width, m_sheet.Height, static_cast<double>(m_options.SplicingLine), m_printer.LeftMargin(),
                 m_printer.TopMargin(), m_printer.RightMargin(), m_printer.BottomMargin()});
  const PageSettings settings{m_sheet.Paper, m_sheet.Width, m_sheet.Height,
                              grid.Landscape ? PrinterOrientation::Landscape : PrinterOrientation::Portrait,
                              index == 0 ? page->Bin : page->BinOtherPages,
                              m_options.Duplex != DuplexMode::None ? m_options.Duplex : page->Duplex};
  ApplySettings(settings, copiesPerPage, false);
  const int dpiX = m_printer.DpiX();
  const int dpiY = m_printer.DpiY();
  const double printableWidth = m_printer.PaperWidth() - m_printer.LeftMargin() - m_printer.RightMargin();
  const double printableHeight = m_printer.PaperHeight() - m_printer.TopMargin() - m_printer.BottomMargin();
  const double stepX = Dots(printableWidth - m_options.SplicingLine, dpiX);
  const double stepY = Dots(printableHeight - m_options.SplicingLine, dpiY);
  const Rect printable{0, 0, static_cast<int>(std::lround(Dots(printableWidth, dpiX))),
                       static_cast<int>(std::lround(Dots(printableHeight, dpiY)))};
  for (int down = 0; down < grid.Down; ++down) {
    for (int across = 0; across < grid.Across; ++across) {
      if (m_report.Terminated)
        return false;
      TrackDuplex(settings.Duplex);
      StartSheet();
      Canvas& canvas = m_printer.Canvas();
      canvas.SaveClip();
      canvas.IntersectClipRect(printable);
      DrawReportPage(*m_pages.GetPage(index), index, canvas, dpiX / 96.0, dpiY / 96.0, -across * stepX,
                     -down * stepY, {m_pages.Count(), copyNo, 1});
      canvas.RestoreClip();
      EndSheet(index + 1);
    }
  }
  return true;
}

bool PrintRun::PrintJoined(const QList<int>& indexes, int copyNo, int copiesPerPage)
{
  if (indexes.isEmpty())
    return true;
  ReportPage* first = m_pages.GetPage(indexes.constFirst());
  if (!first)
    return true;
  const double pageWidth = static_cast<double>(first->PaperWidth());
  const double pageHeight = static_cast<double>(first->PaperHeight());
  const SheetGrid grid = JoinGrid(pageWidth, pageHeight, m_sheet.Width, m_sheet.Height);
  const PageSettings settings{m_sheet.Paper, m_sheet.Width, m_sheet.Height,
                              grid.Landscape ? PrinterOrientation::Landscape : PrinterOrientation::Portrait,
                              first->Bin, m_options.Duplex != DuplexMode::None ? m_options.Duplex : first->Duplex};
  ApplySettings(settings, 1, false);
  const int dpiX = m_printer.DpiX();
  const int dpiY = m_printer.DpiY();
  int slot = 0;
  int lastNumber = 0;
  for (const int index : indexes) {
    for (int copy = 1; copy <= copiesPerPage; ++copy) {
      if (slot == 0) {
        if (m_report.Terminated)
          return false;
        TrackDuplex(settings.Duplex);
        StartSheet();
      }
      const DeviceTransform t = PageTransform(dpiX, dpiY, m_printer.LeftMargin(), m_printer.TopMargin());
      const double offsetX = t.OffsetX + (slot % grid.Across) * Dots(pageWidth, dpiX);
      const double offsetY = t.OffsetY + (slot / grid.Across) * Dots(pageHeight, dpiY);
      if (ReportPage* page = m_pages.GetPage(index))
        DrawReportPage(*page, index, m_printer.Canvas(), t.ScaleX, t.ScaleY, offsetX, offsetY,
                       {m_pages.Count(), copiesPerPage > 1 ? copy : copyNo, 1});
      lastNumber = index + 1;
      if (++slot == grid.Count()) {
        EndSheet(lastNumber);
        slot = 0;
      }
    }
  }
  if (slot > 0)
    EndSheet(lastNumber);
  return true;
}

}  // namespace quitanza::report
