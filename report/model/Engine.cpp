#include "report/model/Engine.h"

#include "report/model/Band.h"
#include "report/model/PictureView.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"

#include <QDateTime>
#include <QScopeGuard>

namespace quitanza::report {

using namespace platform;

bool Engine::Run()
{
  report::PreviewPages& pages = m_report.PreviewPages();
  pages.Initialize();
  pages.AddPageAction = AddPageAction::Add;
  const QDateTime now = m_report.PreparationTime.value_or(QDateTime::currentDateTime());
  StartDate = now.date();
  StartTime = now.time();
  Running = true;
  const auto finish = qScopeGuard([&] {
    pages.Finish();
    Running = false;
  });

  std::vector<report::ReportPage*> reportPages;
  for (report::Component* child : m_report.Objects()) {
    if (auto* page = dynamic_cast<report::ReportPage*>(child))
      reportPages.push_back(page);
  }
  for (report::ReportPage* page : reportPages) {
    // A picture is cached again in every preparation.
    for (report::Component* object : page->AllObjects()) {
      if (auto* picture = dynamic_cast<report::PictureView*>(object))
        picture->PictureChanged = true;
    }
    pages.AddSourcePage(*page);
  }

  FinalPass = !m_report.EngineOptions.DoublePass;
  TotalPages = 0;
  pages.BeginPass();
  RunPass();
  if (m_report.EngineOptions.DoublePass && !m_report.Terminated) {
    TotalPages = pages.Count() - pages.FirstPageIndex() - 1;
    pages.ClearFirstPassPages();
    FinalPass = true;
    pages.BeginPass();
    RunPass();
  }
  return !m_report.Terminated;
}

void Engine::RunPass()
{
  for (report::Component* child : m_report.Objects()) {
    auto* page = dynamic_cast<report::ReportPage*>(child);
    if (!page || !page->Visible())
      continue;
    RunPage(*page);
    if (m_report.Terminated)
      break;
  }
  m_report.PreviewPages().ResetLogicalPageNumber();
}

void Engine::RunPage(report::ReportPage& page)
{
  for (int copy = 0; copy < page.PageCount() && !m_report.Terminated; ++copy)
    ProducePage(page);
}

void Engine::ProducePage(report::ReportPage& page)
{
  // Without data bands, a page that must not print empty has nothing to print.
  if (!m_report.EngineOptions.PrintIfEmpty)
    return;
  Page = &page;
  PageHeight = (page.PaperHeight() - page.TopMargin - page.BottomMargin) * fr1mm;
  PageWidth = (page.PaperWidth() - page.LeftMargin - page.RightMargin) * fr1mm;
  CurX = 0;
  CurY = 0;
  FirstPage = true;
  LastPage = false;
  report::PreviewPages& pages = m_report.PreviewPages();
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

void Engine::ShowPageObjects(report::ReportPage& page)
{
  std::vector<report::Component*> objects;
  for (report::Component* child : page.Objects()) {
    if (!dynamic_cast<report::Band*>(child))
      objects.push_back(child);
  }
  NullBand band;
  band.SetBounds(0, 0, PageWidth, PageHeight);
  const long double savedY = CurY;
  ShowBand(band, objects);
  CurY = savedY;
}

void Engine::ShowBand(NullBand& band, const std::vector<report::Component*>& objects)
{
  const bool bandVisible = band.Visible();
  m_report.CurObject = band.Name();
  band.BeforePrint();
  if (m_report.OnBeforePrint)
    m_report.OnBeforePrint(&band);

  // The printable ones among the objects, null for the others, found once
  // for the three passes below.
  std::vector<ReportComponent*> components;
  components.reserve(objects.size());
  for (report::Component* object : objects)
    components.push_back(dynamic_cast<ReportComponent*>(object));

  // Whatever happens, the objects that saved their state get it back.
  std::size_t started = 0;
  auto restore = qScopeGuard([&] {
    for (std::size_t i = 0; i < started; ++i) {
      if (components[i])
        components[i]->AfterPrint();
    }
  });
  for (ReportComponent* component : components) {
    ++started;
    if (!component)
      continue;
    m_report.CurObject = component->Name();
    component->BeforePrint();
    if (!bandVisible)
      continue;
    if (m_report.OnBeforePrint)
      m_report.OnBeforePrint(component);
    if (component->Visible())
      component->GetData();
  }

  if (bandVisible) {
    m_report.PreviewPages().AddObject(band, objects);
    CurY += band.Height();
    for (ReportComponent* component : components) {
      if (m_report.OnAfterPrint && component)
        m_report.OnAfterPrint(component);
    }
  }
  restore.dismiss();
  for (ReportComponent* component : components) {
    if (component)
      component->AfterPrint();
  }
  m_report.CurObject = band.Name();
  if (m_report.OnAfterPrint)
    m_report.OnAfterPrint(&band);
  band.AfterPrint();
}

}  // namespace quitanza::report
