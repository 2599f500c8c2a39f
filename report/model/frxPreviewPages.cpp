// TfrxPreviewPages: filling the store during preparation, logical page
// numbers and page editing.
#include "report/model/frxPreviewPages.h"

#include "report/format/frxErrors.h"
#include "report/format/frxFloat.h"
#include "report/format/frxXMLItemStorage.h"
#include "report/model/frxBand.h"
#include "report/model/frxEngine.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxObjectDiff.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxUnits.h"
#include "report/model/frxXMLSerializer.h"

#include <QTemporaryFile>

using namespace quitanza::platform;

namespace {

const QString kPreparedReport = QStringLiteral("preparedreport");
const QString kPreviewPages = QStringLiteral("previewpages");
const QString kLogicalPageNumbers = QStringLiteral("logicalpagenumbers");
const QString kPageItem = QStringLiteral("page");

// Estimated bytes of one stored element beyond its name and text.
constexpr qint64 kItemCost = static_cast<qint64>(sizeof(TfrxXMLItem)) + 16;

QString AliasPrefix(const TfrxComponent& object)
{
  if (dynamic_cast<const TfrxBand*>(&object))
    return QStringLiteral("b");
  return object.BaseName().left(1).toLower();
}

}  // namespace

TfrxPreviewPages::TfrxPreviewPages(TfrxReport& report) : FReport(report) { Clear(); }

TfrxPreviewPages::~TfrxPreviewPages() = default;

TfrxXMLItem* TfrxPreviewPages::FindSection(const QString& name) const
{
  const TfrxXMLItem& root = FXMLDoc.Root();
  const int index = root.Find(name);
  return index < 0 ? nullptr : &root.Items(index);
}

TfrxXMLItem& TfrxPreviewPages::Section(const QString& name)
{
  if (TfrxXMLItem* section = FindSection(name))
    return *section;
  return FXMLDoc.Root().Add(name);
}

TfrxXMLItem& TfrxPreviewPages::PagesItem()
{
  if (!FPagesItem)
    FPagesItem = &Section(kPreviewPages);
  return *FPagesItem;
}

TfrxXMLItem& TfrxPreviewPages::LogicalPagesItem()
{
  if (!FLogicalItem)
    FLogicalItem = &Section(kLogicalPageNumbers);
  return *FLogicalItem;
}

TfrxXMLItem* TfrxPreviewPages::LogicalPageItem(int index)
{
  TfrxXMLItem& numbers = LogicalPagesItem();
  return index >= 0 && index < numbers.Count() ? &numbers.Items(index) : nullptr;
}

int TfrxPreviewPages::Count() const
{
  if (FPagesItem)
    return FPagesItem->Count();
  const TfrxXMLItem* pages = FindSection(kPreviewPages);
  return pages ? pages->Count() : 0;
}

void TfrxPreviewPages::Clear()
{
  ClearPageCache();
  FSourcePages.clear();
  FXMLDoc.Clear();
  FXMLDoc.Root().Name = kPreparedReport;
  FPagesItem = nullptr;
  FLogicalItem = nullptr;
  FDictionary.Clear();
  FPictureCache.Clear();
  FSwapFile.reset();
  FSwapped.clear();
  FPartialSource.reset();
  CurPage = -1;
  FirstPage = 0;
  FFirstPageIndex = 0;
  FFirstObjectIndex = 0;
  FLogicalPageN = 0;
  FXMLSize = 0;
  LastY = 0;
}

void TfrxPreviewPages::Initialize()
{
  FPictureCache.SetCacheInFile(FReport.PreviewOptions.PictureCacheInFile, FReport.EngineOptions.TempDir);
  FReport.InternalOnProgressStart(0);
}

// ---------------------------------------------------------------- source pages

void TfrxPreviewPages::AddSourcePage(TfrxReportPage& Page)
{
  const int sourceIndex = SourcePageCount();
  auto copy = std::make_unique<TfrxReportPage>();
  copy->Assign(Page, AsInFiles());
  copy->SetName(Page.Name());
  copy->OriginalComponent = &Page;
  Page.OriginalComponent = copy.get();
  CopySourceObjects(Page, *copy, sourceIndex);
  FSourcePages.push_back({std::move(copy)});
}

void TfrxPreviewPages::CopySourceObjects(const TfrxComponent& from, TfrxComponent& to, int sourceIndex)
{
  for (TfrxComponent* object : from.Objects()) {
    if (!(object->frComponentStyle & csPreviewVisible))
      continue;
    TfrxComponentFactory factory = frxFindClass(object->ClassName());
    if (!factory)
      throw EfrxError(QStringLiteral("Cannot find class ") + object->ClassName());
    TfrxComponent* copy = factory(&to);
    copy->Assign(*object, AsInFiles());
    copy->SetName(object->Name());
    // Graphics reach prepared pages through the picture cache only.
    if (auto* picture = dynamic_cast<TfrxPictureView*>(copy))
      picture->ClearPicture();
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(copy)) {
      memo->DataSet = nullptr;
      memo->DataField.clear();
    }
    copy->OriginalComponent = object;
    object->OriginalComponent = copy;
    const QString alias = FDictionary.UniqueAlias(AliasPrefix(*copy));
    object->AliasName = alias;
    copy->AliasName = alias;
    FDictionary.Add(alias, QStringLiteral("Page%1.%2").arg(sourceIndex).arg(object->Name()), *copy);
    CopySourceObjects(*object, *copy, sourceIndex);
  }
}

int TfrxPreviewPages::SourceIndexOf(const TfrxReportPage& page) const
{
  for (int i = SourcePageCount() - 1; i >= 0; --i) {
    const TfrxReportPage* source = FSourcePages[static_cast<std::size_t>(i)].Page.get();
    if (source == page.OriginalComponent || source == &page)
      return i;
  }
  throw EfrxError(QStringLiteral("Page %1 has no source page among the prepared pages").arg(page.Name()));
}

void TfrxPreviewPages::UpdatePageDimensions(TfrxReportPage& Page, long double Width, long double Height)
{
  SourceCopy& source = FSourcePages[static_cast<std::size_t>(SourceIndexOf(Page))];
  source.Page->SetSizeAndDimensions(256, Width / fr1mm, Height / fr1mm);
}

// ---------------------------------------------------------------- passes and pages

void TfrxPreviewPages::BeginPass()
{
  FFirstPageIndex = Count() - 1;
  if (Count() > 0)
    FFirstObjectIndex = PagesItem().Items(FFirstPageIndex).Count();
  FLogicalPageN = 0;
}

void TfrxPreviewPages::ClearFirstPassPages()
{
  ClearPageCache();
  TfrxXMLItem& pages = PagesItem();
  TfrxXMLItem& numbers = LogicalPagesItem();
  while (pages.Count() > FFirstPageIndex + 1) {
    FSwapped.erase(&pages.Items(pages.Count() - 1));
    pages.TakeItem(pages.Count() - 1);
  }
  while (numbers.Count() > FFirstPageIndex + 1)
    numbers.TakeItem(numbers.Count() - 1);
  CurPage = FFirstPageIndex;
  AddPageAction = apAdd;
}

void TfrxPreviewPages::AddPage(TfrxReportPage& Page)
{
  ++CurPage;
  if (CurPage < Count() && AddPageAction == apWriteOver)
    return;
  ApplyMemoryLimit();
  TfrxXMLItem& item = PagesItem().Add(kPageItem + QString::number(SourceIndexOf(Page)));
  if (Count() > 2)
    item.Unloadable = true;
  FReport.InternalOnProgress(0, CurPage + 1);
  AddPageAction = apWriteOver;
  CurPage = Count() - 1;
  IncLogicalPageNumber();
}

void TfrxPreviewPages::AddObject(TfrxComponent& Obj) { AddObject(Obj, Obj.Objects()); }

void TfrxPreviewPages::AddObject(TfrxComponent& Obj, const std::vector<TfrxComponent*>& Children)
{
  if (CurPage < 0 || CurPage >= Count())
    throw EfrxError(QStringLiteral("No prepared page to add objects to"));
  TfrxXMLItem& page = PagesItem().Items(CurPage);
  EnsureLoaded(page);
  StoreObject(page, Obj, Children);
}

void TfrxPreviewPages::StoreObject(TfrxXMLItem& parent, TfrxComponent& object,
                                   const std::vector<TfrxComponent*>& children)
{
  if (!object.Visible() || !(object.frComponentStyle & csPreviewVisible))
    return;
  if (auto* picture = dynamic_cast<TfrxPictureView*>(&object); picture && picture->PictureChanged) {
    picture->ImageIndex = picture->Picture().IsEmpty() ? 0 : AddPicture(*picture);
    picture->PictureChanged = false;
  }
  TfrxXMLItem& item = parent.Add();
  if (const TfrxSourceObject* source = FDictionary.FindObject(object.OriginalComponent)) {
    item.Name = source->Alias;
    frxWriteDifferences(FDiff, object, *source->Object);
  } else {
    item.Name = object.ClassName();
    FDiff = TfrxXMLSerializer().ComponentAttributes(object, true, false).toStdString();
    if (dynamic_cast<TfrxNullBand*>(&object)) {
      FDiff += " l=\"";
      frxAppendFloat(FDiff, object.Left(), QLatin1Char('.'));
      FDiff += "\" t=\"";
      frxAppendFloat(FDiff, object.Top(), QLatin1Char('.'));
      FDiff += '"';
    }
  }
  item.Text = QByteArray(FDiff.data(), static_cast<qsizetype>(FDiff.size()));
  FXMLSize += item.Name.size() + item.Text.size() + kItemCost;
  for (TfrxComponent* child : children)
    StoreObject(item, *child, child->Objects());
}

// An object without a source copy, kept with all its properties.
void TfrxPreviewPages::StoreWhole(TfrxXMLItem& parent, const TfrxComponent& object)
{
  if (!object.Visible())
    return;
  TfrxXMLItem& item = parent.Add(object.ClassName());
  item.Text = TfrxXMLSerializer().ComponentAttributes(object, false, false).toUtf8();
  for (const TfrxComponent* child : object.Objects())
    StoreWhole(item, *child);
}

int TfrxPreviewPages::AddPicture(TfrxPictureView& View) { return FPictureCache.Add(View.Picture().FileData()); }

void TfrxPreviewPages::Finish()
{
  LastY = 0;
  ClearPageCache();
  ForgetTemplateLinks();
  FReport.InternalOnProgressStop(0);
}

void TfrxPreviewPages::ForgetTemplateLinks()
{
  auto forget = [](TfrxComponent& copy) {
    if (copy.OriginalComponent && copy.OriginalComponent->OriginalComponent == &copy)
      copy.OriginalComponent->OriginalComponent = nullptr;
    copy.OriginalComponent = nullptr;
  };
  for (SourceCopy& source : FSourcePages) {
    forget(*source.Page);
    for (TfrxComponent* object : source.Page->AllObjects())
      forget(*object);
  }
}

// ---------------------------------------------------------------- memory limit

void TfrxPreviewPages::ApplyMemoryLimit()
{
  const TfrxEngineOptions& options = FReport.EngineOptions;
  if (!options.UseFileCache || FXMLSize <= static_cast<qint64>(options.MaxMemSize) * 1048576)
    return;
  TfrxXMLItem& pages = PagesItem();
  for (int i = pages.Count() - 2; i >= 0; --i) {
    TfrxXMLItem& item = pages.Items(i);
    if (!item.Loaded)
      break;
    if (item.Unloadable)
      UnloadItem(item);
  }
  FXMLSize = 0;
}

void TfrxPreviewPages::UnloadItem(TfrxXMLItem& item)
{
  if (!item.Loaded || !item.Unloadable)
    return;
  if (!FSwapFile) {
    FSwapFile = std::make_unique<QTemporaryFile>(frxTempFileTemplate(FReport.EngineOptions.TempDir));
    if (!FSwapFile->open())
      throw EfrxError(QStringLiteral(u"Não foi possível criar o arquivo temporário das páginas: %1").arg(FSwapFile->errorString()));
  }
  item.Offset = frxAppendItem(*FSwapFile, item);
  item.Clear();
  FSwapped.insert(&item);
}

// ---------------------------------------------------------------- logical page numbers

bool TfrxPreviewPages::CountsLogicalPages() const
{
  return !(FReport.EngineOptions.DoublePass && FReport.Engine().FinalPass);
}

void TfrxPreviewPages::IncLogicalPageNumber()
{
  if (!CountsLogicalPages())
    return;
  ++FLogicalPageN;
  LogicalPagesItem().Add(kPageItem).Text = "n=\"" + QByteArray::number(FLogicalPageN) + '"';
}

void TfrxPreviewPages::ResetLogicalPageNumber()
{
  if (!CountsLogicalPages())
    return;
  for (int i = CurPage; i > FFirstPageIndex; --i) {
    TfrxXMLItem* item = LogicalPageItem(i);
    if (!item)
      continue;
    item->SetProp("t", QString::number(FLogicalPageN));
    if (item->Prop("n").toInt() == 1)
      break;
  }
  FLogicalPageN = 0;
}

int TfrxPreviewPages::GetLogicalPageNo()
{
  if (const TfrxXMLItem* item = LogicalPageItem(CurPage))
    return item->Prop("n").toInt();
  return CurPage - FirstPage + 1;
}

int TfrxPreviewPages::GetLogicalTotalPages()
{
  if (const TfrxXMLItem* item = LogicalPageItem(CurPage))
    return item->Prop("t").toInt();
  return FReport.Engine().TotalPages - FirstPage;
}

// ---------------------------------------------------------------- editing

void TfrxPreviewPages::AddEmptyPage(int Index)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  auto item = std::make_unique<TfrxXMLItem>();
  item->Name = PagesItem().Items(Index).Name;
  PagesItem().InsertItem(Index, std::move(item));
  auto number = std::make_unique<TfrxXMLItem>();
  number->Name = kPageItem;
  number->Text = "n=\"" + QByteArray::number(Index + 1) + '"';
  if (Index <= LogicalPagesItem().Count())
    LogicalPagesItem().InsertItem(Index, std::move(number));
}

void TfrxPreviewPages::DeletePage(int Index)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  FSwapped.erase(&PagesItem().Items(Index));
  PagesItem().TakeItem(Index);
  if (Index < LogicalPagesItem().Count())
    LogicalPagesItem().TakeItem(Index);
  if (CurPage >= Count())
    CurPage = Count() - 1;
}

void TfrxPreviewPages::ModifyPage(int Index, const TfrxReportPage& Page)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  TfrxXMLItem& item = PagesItem().Items(Index);
  FSwapped.erase(&item);
  const QString name = item.Name;
  const bool unloadable = item.Unloadable;
  auto changed = std::make_unique<TfrxXMLItem>();
  changed->Name = name;
  changed->Unloadable = unloadable;
  // The edited objects are stored whole: they no longer follow their source copies.
  for (const TfrxComponent* child : Page.Objects())
    StoreWhole(*changed, *child);
  PagesItem().TakeItem(Index);
  PagesItem().InsertItem(Index, std::move(changed));
}
