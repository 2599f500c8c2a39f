// PreviewPages: rebuilding prepared pages and the page cache.
#include "report/model/PreviewPages.h"

#include "report/format/Errors.h"
#include "report/format/XMLItemStorage.h"
#include "report/format/XMLReader.h"
#include "report/model/Engine.h"
#include "report/model/PictureView.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/model/XMLSerializer.h"

#include <QTemporaryFile>

#include <cmath>

namespace quitanza::report {

using namespace platform;

namespace {

const QString kWholePage = QStringLiteral("TfrxReportPage");

}  // namespace

void PreviewPages::ReadStoredChildren(const report::XMLItem& item, report::XMLItem& into)
{
  QIODevice* device = m_swapped.count(&item) ? static_cast<QIODevice*>(m_swapFile.get()) : m_partialSource.get();
  if (!device)
    throw ReportError(QStringLiteral(u"A página preparada %1 não está na memória e seu arquivo sumiu").arg(item.Name));
  ReadItemChildren(*device, item.Offset, item, into, m_xmlDoc.OldVersion());
}

void PreviewPages::EnsureLoaded(report::XMLItem& item)
{
  if (item.Loaded)
    return;
  ReadStoredChildren(item, item);
  item.Loaded = true;
  m_swapped.erase(&item);
}

const PreviewPages::SourceCopy& PreviewPages::SourcePageOfItem(const report::XMLItem& item) const
{
  bool ok = false;
  const int index = QStringView(item.Name).sliced(qMin<qsizetype>(4, item.Name.size())).toInt(&ok);
  if (!ok || index < 0 || index >= SourcePageCount())
    throw ReportError(QStringLiteral(u"Invalid file format: a página preparada \"%1\" não tem página de origem").arg(item.Name));
  return m_sourcePages[static_cast<std::size_t>(index)];
}

QSize PreviewPages::GetPageSize(int Index)
{
  if (Index < 0 || Index >= Count())
    return {0, 0};
  const report::XMLItem& item = PagesItem().Items(Index);
  if (item.Name == kWholePage) {
    const report::ReportPage* page = GetPage(Index);
    return {static_cast<int>(std::rint(page->Width())), static_cast<int>(std::rint(page->Height()))};
  }
  // A rebuilt page has its source page's size: no need to rebuild it.
  const report::ReportPage& source = *SourcePageOfItem(item).Page;
  return {static_cast<int>(std::rint(source.Width())), static_cast<int>(std::rint(source.Height()))};
}

ReportPage* PreviewPages::GetPage(int Index)
{
  if (Index < 0 || Index >= Count())
    return nullptr;
  // While the engine runs, a page may still be growing: always rebuild it.
  if (!m_report.Engine().Running) {
    for (auto at = m_pageCache.begin(); at != m_pageCache.end(); ++at) {
      if (at->first == Index) {
        m_pageCache.splice(m_pageCache.begin(), m_pageCache, at);
        return m_pageCache.front().second.get();
      }
    }
  }
  report::XMLItem& item = PagesItem().Items(Index);
  EnsureLoaded(item);
  CachePage(Index, RebuildPage(item));
  return m_pageCache.front().second.get();
}

std::unique_ptr<ReportPage> PreviewPages::RebuildPage(report::XMLItem& item)
{
  auto page = std::make_unique<report::ReportPage>();
  XMLSerializer serializer;
  if (item.Name == kWholePage) {
    serializer.ReadRootComponent(*page, item);
    return page;
  }
  const SourceCopy& source = SourcePageOfItem(item);
  page->Assign(*source.Page, AsInFiles());
  page->SetName(source.Page->Name());
  RebuildChildren(item, *page, 0);
  return page;
}

void PreviewPages::RebuildChildren(const report::XMLItem& item, report::Component& parent, int depth)
{
  // The file reader bounds nesting; pages made in memory never come close.
  if (depth > report::XMLReader::kMaxDepth)
    throw InvalidXMLException();
  XMLSerializer serializer;
  for (int i = 0; i < item.Count(); ++i) {
    const report::XMLItem& child = item.Items(i);
    std::unique_ptr<report::Component> object;
    if (const SourceObject* source = m_dictionary.Find(child.Name)) {
      object.reset(source->Factory(nullptr));
      // What the source writes of itself, then how the object differs.
      PropCopy copy;
      copy.IncludeDefaults = false;
      object->Assign(*source->Object, copy);
      serializer.ReadAttributes(*object, QByteArrayView(child.Text));
      object->SetName(source->Object->Name());
      if (auto* picture = dynamic_cast<report::PictureView*>(object.get()); picture && picture->Picture().IsEmpty()) {
        report::Picture graphic;
        m_pictureCache.Fill(picture->ImageIndex, graphic);
        picture->SetPicture(graphic);
      }
    } else {
      ComponentFactory factory = FindClass(child.Name);
      if (!factory)
        throw ReportError(QStringLiteral("Cannot find class ") + child.Name);
      object.reset(factory(nullptr));
      serializer.ReadAttributes(*object, QByteArrayView(child.Text));
    }
    report::Component* placed = object.release();
    placed->SetParent(&parent);
    RebuildChildren(child, *placed, depth + 1);
  }
}

void PreviewPages::CachePage(int index, std::unique_ptr<report::ReportPage> page)
{
  for (auto at = m_pageCache.begin(); at != m_pageCache.end(); ++at) {
    if (at->first == index) {
      m_pageCache.erase(at);
      break;
    }
  }
  m_pageCache.emplace_front(index, std::move(page));
  const int limit = m_report.PreviewOptions.PagesInCache;
  if (m_pageCache.size() > 1 && static_cast<int>(m_pageCache.size()) > limit) {
    const int evicted = m_pageCache.back().first;
    m_pageCache.pop_back();
    if (m_report.EngineOptions.UseFileCache && evicted < Count())
      UnloadItem(PagesItem().Items(evicted));
  }
}

}  // namespace quitanza::report
