// TfrxPreviewPages: rebuilding prepared pages and the page cache.
#include "report/model/frxPreviewPages.h"

#include "report/format/frxErrors.h"
#include "report/format/frxXMLItemStorage.h"
#include "report/format/frxXMLReader.h"
#include "report/model/frxEngine.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxXMLSerializer.h"

#include <QTemporaryFile>

#include <cmath>

using namespace quitanza::platform;

namespace {

const QString kWholePage = QStringLiteral("TfrxReportPage");

}  // namespace

void TfrxPreviewPages::ReadStoredChildren(const TfrxXMLItem& item, TfrxXMLItem& into)
{
  QIODevice* device = FSwapped.count(&item) ? static_cast<QIODevice*>(FSwapFile.get()) : FPartialSource.get();
  if (!device)
    throw EfrxError(QStringLiteral(u"A página preparada %1 não está na memória e seu arquivo sumiu").arg(item.Name));
  frxReadItemChildren(*device, item.Offset, item, into, FXMLDoc.OldVersion());
}

void TfrxPreviewPages::EnsureLoaded(TfrxXMLItem& item)
{
  if (item.Loaded)
    return;
  ReadStoredChildren(item, item);
  item.Loaded = true;
  FSwapped.erase(&item);
}

const TfrxPreviewPages::SourceCopy& TfrxPreviewPages::SourcePageOfItem(const TfrxXMLItem& item) const
{
  bool ok = false;
  const int index = QStringView(item.Name).sliced(qMin<qsizetype>(4, item.Name.size())).toInt(&ok);
  if (!ok || index < 0 || index >= SourcePageCount())
    throw EfrxError(QStringLiteral(u"Invalid file format: a página preparada \"%1\" não tem página de origem").arg(item.Name));
  return FSourcePages[static_cast<std::size_t>(index)];
}

QSize TfrxPreviewPages::GetPageSize(int Index)
{
  if (Index < 0 || Index >= Count())
    return {0, 0};
  const TfrxXMLItem& item = PagesItem().Items(Index);
  if (item.Name == kWholePage) {
    const TfrxReportPage* page = GetPage(Index);
    return {static_cast<int>(std::rint(page->Width())), static_cast<int>(std::rint(page->Height()))};
  }
  // A rebuilt page has its source page's size: no need to rebuild it.
  const TfrxReportPage& source = *SourcePageOfItem(item).Page;
  return {static_cast<int>(std::rint(source.Width())), static_cast<int>(std::rint(source.Height()))};
}

TfrxReportPage* TfrxPreviewPages::GetPage(int Index)
{
  if (Index < 0 || Index >= Count())
    return nullptr;
  // While the engine runs, a page may still be growing: always rebuild it.
  if (!FReport.Engine().Running) {
    for (auto at = FPageCache.begin(); at != FPageCache.end(); ++at) {
      if (at->first == Index) {
        FPageCache.splice(FPageCache.begin(), FPageCache, at);
        return FPageCache.front().second.get();
      }
    }
  }
  TfrxXMLItem& item = PagesItem().Items(Index);
  EnsureLoaded(item);
  CachePage(Index, RebuildPage(item));
  return FPageCache.front().second.get();
}

std::unique_ptr<TfrxReportPage> TfrxPreviewPages::RebuildPage(TfrxXMLItem& item)
{
  auto page = std::make_unique<TfrxReportPage>();
  TfrxXMLSerializer serializer;
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

void TfrxPreviewPages::RebuildChildren(const TfrxXMLItem& item, TfrxComponent& parent, int depth)
{
  // The file reader bounds nesting; pages made in memory never come close.
  if (depth > TfrxXMLReader::kMaxDepth)
    throw TfrxInvalidXMLException();
  TfrxXMLSerializer serializer;
  for (int i = 0; i < item.Count(); ++i) {
    const TfrxXMLItem& child = item.Items(i);
    std::unique_ptr<TfrxComponent> object;
    if (const TfrxSourceObject* source = FDictionary.Find(child.Name)) {
      object.reset(source->Factory(nullptr));
      // What the source writes of itself, then how the object differs.
      TfrxPropCopy copy;
      copy.IncludeDefaults = false;
      object->Assign(*source->Object, copy);
      serializer.ReadAttributes(*object, QByteArrayView(child.Text));
      object->SetName(source->Object->Name());
      if (auto* picture = dynamic_cast<TfrxPictureView*>(object.get()); picture && picture->Picture().IsEmpty()) {
        TPicture graphic;
        FPictureCache.Fill(picture->ImageIndex, graphic);
        picture->SetPicture(graphic);
      }
    } else {
      TfrxComponentFactory factory = frxFindClass(child.Name);
      if (!factory)
        throw EfrxError(QStringLiteral("Cannot find class ") + child.Name);
      object.reset(factory(nullptr));
      serializer.ReadAttributes(*object, QByteArrayView(child.Text));
    }
    TfrxComponent* placed = object.release();
    placed->SetParent(&parent);
    RebuildChildren(child, *placed, depth + 1);
  }
}

void TfrxPreviewPages::CachePage(int index, std::unique_ptr<TfrxReportPage> page)
{
  for (auto at = FPageCache.begin(); at != FPageCache.end(); ++at) {
    if (at->first == index) {
      FPageCache.erase(at);
      break;
    }
  }
  FPageCache.emplace_front(index, std::move(page));
  const int limit = FReport.PreviewOptions.PagesInCache;
  if (FPageCache.size() > 1 && static_cast<int>(FPageCache.size()) > limit) {
    const int evicted = FPageCache.back().first;
    FPageCache.pop_back();
    if (FReport.EngineOptions.UseFileCache && evicted < Count())
      UnloadItem(PagesItem().Items(evicted));
  }
}
