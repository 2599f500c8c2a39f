#include "report/model/frxEngine.h"

#include "report/model/frxBand.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxUnits.h"

#include <QDateTime>
#include <QScopeGuard>

using namespace quitanza::platform;

bool TfrxEngine::Run()
{
  TfrxPreviewPages& pages = FReport.PreviewPages();
  pages.Initialize();
  pages.AddPageAction = apAdd;
  const QDateTime now = FReport.PreparationTime.value_or(QDateTime::currentDateTime());
  StartDate = now.date();
  StartTime = now.time();
  Running = true;
  const auto finish = qScopeGuard([&] {
    pages.Finish();
    Running = false;
  });

  std::vector<TfrxReportPage*> reportPages;
  for (TfrxComponent* child : FReport.Objects()) {
    if (auto* page = dynamic_cast<TfrxReportPage*>(child))
      reportPages.push_back(page);
  }
  for (TfrxReportPage* page : reportPages) {
    // A picture is cached again in every preparation.
    for (TfrxComponent* object : page->AllObjects()) {
      if (auto* picture = dynamic_cast<TfrxPictureView*>(object))
        picture->PictureChanged = true;
    }
    pages.AddSourcePage(*page);
  }

  FinalPass = !FReport.EngineOptions.DoublePass;
  TotalPages = 0;
  pages.BeginPass();
  RunPass();
  if (FReport.EngineOptions.DoublePass && !FReport.Terminated) {
    TotalPages = pages.Count() - pages.FirstPageIndex() - 1;
    pages.ClearFirstPassPages();
    FinalPass = true;
    pages.BeginPass();
    RunPass();
  }
  return !FReport.Terminated;
}

void TfrxEngine::RunPass()
{
  for (TfrxComponent* child : FReport.Objects()) {
    auto* page = dynamic_cast<TfrxReportPage*>(child);
    if (!page || !page->Visible())
      continue;
    RunPage(*page);
    if (FReport.Terminated)
      break;
  }
  FReport.PreviewPages().ResetLogicalPageNumber();
}

void TfrxEngine::RunPage(TfrxReportPage& page)
{
  for (int copy = 0; copy < page.PageCount() && !FReport.Terminated; ++copy)
    ProducePage(page);
}

void TfrxEngine::ProducePage(TfrxReportPage& page)
{
  // Without data bands, a page that must not print empty has nothing to print.
  if (!FReport.EngineOptions.PrintIfEmpty)
    return;
  Page = &page;
  PageHeight = (page.PaperHeight() - page.TopMargin - page.BottomMargin) * fr1mm;
  PageWidth = (page.PaperWidth() - page.LeftMargin - page.RightMargin) * fr1mm;
  CurX = 0;
  CurY = 0;
  FirstPage = true;
  LastPage = false;
  TfrxPreviewPages& pages = FReport.PreviewPages();
  if (page.ResetPageNumbers)
    pages.ResetLogicalPageNumber();
  if (!(page.PrintOnPreviousPage && pages.Count() > 0)) {
    pages.AddPage(page);
    CurY = 0;
  }
  ShowPageObjects(page);
  LastPage = true;
  if (page.EndlessHeight || page.EndlessWidth) {
    const long double width = page.EndlessWidth ? CurX : PageWidth;
    const long double height = page.EndlessHeight ? CurY : PageHeight;
    pages.UpdatePageDimensions(page, width, height);
  }
  LastPage = false;
}

void TfrxEngine::ShowPageObjects(TfrxReportPage& page)
{
  std::vector<TfrxComponent*> objects;
  for (TfrxComponent* child : page.Objects()) {
    if (!dynamic_cast<TfrxBand*>(child))
      objects.push_back(child);
  }
  TfrxNullBand band;
  band.SetBounds(0, 0, PageWidth, PageHeight);
  const long double savedY = CurY;
  ShowBand(band, objects);
  CurY = savedY;
}

void TfrxEngine::ShowBand(TfrxNullBand& band, const std::vector<TfrxComponent*>& objects)
{
  const bool bandVisible = band.Visible();
  FReport.CurObject = band.Name();
  band.BeforePrint();
  if (FReport.OnBeforePrint)
    FReport.OnBeforePrint(&band);

  // Whatever happens, the objects that saved their state get it back.
  std::size_t started = 0;
  auto restore = qScopeGuard([&] {
    for (std::size_t i = 0; i < started; ++i) {
      if (auto* component = dynamic_cast<TfrxReportComponent*>(objects[i]))
        component->AfterPrint();
    }
  });
  for (TfrxComponent* object : objects) {
    auto* component = dynamic_cast<TfrxReportComponent*>(object);
    ++started;
    if (!component)
      continue;
    FReport.CurObject = component->Name();
    component->BeforePrint();
    if (!bandVisible)
      continue;
    if (FReport.OnBeforePrint)
      FReport.OnBeforePrint(component);
    if (component->Visible())
      component->GetData();
  }

  if (bandVisible) {
    FReport.PreviewPages().AddObject(band, objects);
    CurY += band.Height();
    for (TfrxComponent* object : objects) {
      if (FReport.OnAfterPrint && dynamic_cast<TfrxReportComponent*>(object))
        FReport.OnAfterPrint(static_cast<TfrxReportComponent*>(object));
    }
  }
  restore.dismiss();
  for (TfrxComponent* object : objects) {
    if (auto* component = dynamic_cast<TfrxReportComponent*>(object))
      component->AfterPrint();
  }
  FReport.CurObject = band.Name();
  if (FReport.OnAfterPrint)
    FReport.OnAfterPrint(&band);
  band.AfterPrint();
}
