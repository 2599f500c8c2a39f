// PreviewPages: filling the store during preparation, logical page
// numbers and page editing.
#include "report/model/PreviewPages.h"

#include "report/format/Errors.h"
#include "report/format/Float.h"
#include "report/format/XMLItemStorage.h"
#include "report/model/Band.h"
#include "report/model/Engine.h"
#include "report/model/MemoView.h"
#include "report/model/ObjectDiff.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"
#include "report/model/XMLSerializer.h"

#include <QTemporaryFile>

#include <algorithm>

namespace quitanza::report {

using namespace platform;

namespace {

const QString kPreparedReport = QStringLiteral("preparedreport");
const QString kPreviewPages = QStringLiteral("previewpages");
const QString kLogicalPageNumbers = QStringLiteral("logicalpagenumbers");
const QString kPageItem = QStringLiteral("page");

// Estimated bytes of one stored element beyond its name and text.
constexpr qint64 kItemCost = static_cast<qint64>(sizeof(XMLItem)) + 16;

QString AliasPrefix(const Component& object)
{
  if (dynamic_cast<const Band*>(&object))
    return QStringLiteral("b");
  return object.BaseName().left(1).toLower();
}

void Link(quitanza::report::Component& object, quitanza::report::Component& copy)
{
  copy.OriginalComponent = &object;
  object.OriginalComponent = &copy;
}

// Links the template page and its objects to a copy made from them by an
// earlier preparation; false when the objects do not match it.
bool RelinkSourceObjects(quitanza::report::Component& from, quitanza::report::Component& to)
{
  if (from.Name() != to.Name())
    return false;
  Link(from, to);
  from.AliasName = to.AliasName;
  // The objects CopySourceObjects copied, in its order.
  const std::vector<quitanza::report::Component*>& copies = to.Objects();
  std::size_t next = 0;
  for (quitanza::report::Component* object : from.Objects()) {
    if (!(object->frComponentStyle & ComponentStyle::PreviewVisible))
      continue;
    if (next == copies.size() || !RelinkSourceObjects(*object, *copies[next++]))
      return false;
  }
  return next == copies.size();
}

}  // namespace

PreviewPages::PreviewPages(quitanza::report::Report& report) : m_report(report) { Clear(); }

PreviewPages::~PreviewPages() = default;

XMLItem* PreviewPages::FindSection(const QString& name) const
{
  const quitanza::report::XMLItem& root = m_xmlDoc.Root();
  const int index = root.Find(name);
  return index < 0 ? nullptr : &root.Items(index);
}

XMLItem& PreviewPages::Section(const QString& name)
{
  if (quitanza::report::XMLItem* section = FindSection(name))
    return *section;
  return m_xmlDoc.Root().Add(name);
}

XMLItem& PreviewPages::PagesItem()
{
  if (!m_pagesItem)
    m_pagesItem = &Section(kPreviewPages);
  return *m_pagesItem;
}

XMLItem& PreviewPages::LogicalPagesItem()
{
  if (!m_logicalItem)
    m_logicalItem = &Section(kLogicalPageNumbers);
  return *m_logicalItem;
}

XMLItem* PreviewPages::LogicalPageItem(int index)
{
  quitanza::report::XMLItem& numbers = LogicalPagesItem();
  return index >= 0 && index < numbers.Count() ? &numbers.Items(index) : nullptr;
}

int PreviewPages::Count() const
{
  if (m_pagesItem)
    return m_pagesItem->Count();
  const quitanza::report::XMLItem* pages = FindSection(kPreviewPages);
  return pages ? pages->Count() : 0;
}

void PreviewPages::ReuseSourcePages(bool reuse)
{
  m_reuseSourcePages = reuse;
  TemplateReplaced();
}

void PreviewPages::TemplateReplaced()
{
  for (SourceCopy& source : m_sourcePages)
    source.ReusableFor = nullptr;
}

void PreviewPages::Clear()
{
  ClearPageCache();
  // Source copies the next preparation may take survive, with their
  // aliases, when no other copy is left to keep apart from them.
  const bool keepSources =
    !m_sourcePages.empty() && std::all_of(m_sourcePages.begin(), m_sourcePages.end(), [](const SourceCopy& source) { return source.ReusableFor; });
  if (!keepSources) {
    m_sourcePages.clear();
    m_dictionary.Clear();
  }
  m_xmlDoc.Clear();
  m_xmlDoc.Root().Name = kPreparedReport;
  m_pagesItem = nullptr;
  m_logicalItem = nullptr;
  m_pictureCache.Clear();
  m_swapFile.reset();
  m_swapped.clear();
  m_partialSource.reset();
  CurPage = -1;
  FirstPage = 0;
  m_firstPageIndex = 0;
  m_firstObjectIndex = 0;
  m_logicalPageN = 0;
  m_xmlSize = 0;
  LastY = 0;
}

void PreviewPages::Initialize()
{
  m_pictureCache.SetCacheInFile(m_report.PreviewOptions.PictureCacheInFile, m_report.EngineOptions.TempDir);
  m_report.InternalOnProgressStart(0);
}

// ---------------------------------------------------------------- source pages

void PreviewPages::AddSourcePage(quitanza::report::ReportPage& Page)
{
  if (m_reuseSourcePages) {
    for (SourceCopy& source : m_sourcePages) {
      if (source.ReusableFor == &Page && RelinkSourceObjects(Page, *source.Page))
        return;
    }
  }
  const int sourceIndex = SourcePageCount();
  auto copy = std::make_unique<quitanza::report::ReportPage>();
  copy->Assign(Page, AsInFiles());
  copy->SetName(Page.Name());
  Link(Page, *copy);
  CopySourceObjects(Page, *copy, sourceIndex);
  m_sourcePages.push_back({std::move(copy), m_reuseSourcePages ? &Page : nullptr});
}

void PreviewPages::CopySourceObjects(const quitanza::report::Component& from, quitanza::report::Component& to, int sourceIndex)
{
  for (quitanza::report::Component* object : from.Objects()) {
    if (!(object->frComponentStyle & ComponentStyle::PreviewVisible))
      continue;
    ComponentFactory factory = FindClass(object->ClassName());
    if (!factory)
      throw ReportError(QStringLiteral("Cannot find class ") + object->ClassName());
    quitanza::report::Component* copy = factory(&to);
    copy->Assign(*object, AsInFiles());
    copy->SetName(object->Name());
    // Graphics reach prepared pages through the picture cache only.
    if (auto* picture = dynamic_cast<quitanza::report::PictureView*>(copy))
      picture->ClearPicture();
    if (auto* memo = dynamic_cast<CustomMemoView*>(copy)) {
      memo->DataSet = nullptr;
      memo->DataField.clear();
    }
    const QString alias = m_dictionary.UniqueAlias(AliasPrefix(*copy));
    object->AliasName = alias;
    copy->AliasName = alias;
    Link(*object, *copy);
    m_dictionary.Add(alias, QStringLiteral("Page%1.%2").arg(sourceIndex).arg(object->Name()), *copy);
    CopySourceObjects(*object, *copy, sourceIndex);
  }
}

int PreviewPages::SourceIndexOf(const quitanza::report::ReportPage& page) const
{
  for (int i = SourcePageCount() - 1; i >= 0; --i) {
    const quitanza::report::ReportPage* source = m_sourcePages[static_cast<std::size_t>(i)].Page.get();
    if (source == page.OriginalComponent || source == &page)
      return i;
  }
  throw ReportError(QStringLiteral("Page %1 has no source page among the prepared pages").arg(page.Name()));
}

void PreviewPages::UpdatePageDimensions(quitanza::report::ReportPage& Page, long double Width, long double Height)
{
  SourceCopy& source = m_sourcePages[static_cast<std::size_t>(SourceIndexOf(Page))];
  source.Page->SetSizeAndDimensions(256, Width / fr1mm, Height / fr1mm);
}

// ---------------------------------------------------------------- passes and pages

void PreviewPages::BeginPass()
{
  m_firstPageIndex = Count() - 1;
  if (Count() > 0)
    m_firstObjectIndex = PagesItem().Items(m_firstPageIndex).Count();
  m_logicalPageN = 0;
}

void PreviewPages::ClearFirstPassPages()
{
  ClearPageCache();
  quitanza::report::XMLItem& pages = PagesItem();
  quitanza::report::XMLItem& numbers = LogicalPagesItem();
  while (pages.Count() > m_firstPageIndex + 1) {
    m_swapped.erase(&pages.Items(pages.Count() - 1));
    pages.TakeItem(pages.Count() - 1);
  }
  while (numbers.Count() > m_firstPageIndex + 1)
    numbers.TakeItem(numbers.Count() - 1);
  CurPage = m_firstPageIndex;
  AddPageAction = AddPageAction::Add;
}

void PreviewPages::AddPage(quitanza::report::ReportPage& Page)
{
  ++CurPage;
  if (CurPage < Count() && AddPageAction == AddPageAction::WriteOver)
    return;
  ApplyMemoryLimit();
  quitanza::report::XMLItem& item = PagesItem().Add(kPageItem + QString::number(SourceIndexOf(Page)));
  if (Count() > 2)
    item.Unloadable = true;
  m_report.InternalOnProgress(0, CurPage + 1);
  AddPageAction = AddPageAction::WriteOver;
  CurPage = Count() - 1;
  IncLogicalPageNumber();
}

void PreviewPages::AddObject(quitanza::report::Component& Obj) { AddObject(Obj, Obj.Objects()); }

void PreviewPages::AddObject(quitanza::report::Component& Obj, const std::vector<quitanza::report::Component*>& Children)
{
  if (CurPage < 0 || CurPage >= Count())
    throw ReportError(QStringLiteral("No prepared page to add objects to"));
  quitanza::report::XMLItem& page = PagesItem().Items(CurPage);
  EnsureLoaded(page);
  StoreObject(page, Obj, Children);
}

void PreviewPages::StoreObject(quitanza::report::XMLItem& parent, quitanza::report::Component& object,
                               const std::vector<quitanza::report::Component*>& children)
{
  if (!object.Visible() || !(object.frComponentStyle & ComponentStyle::PreviewVisible))
    return;
  if (auto* picture = dynamic_cast<quitanza::report::PictureView*>(&object); picture && picture->PictureChanged) {
    picture->ImageIndex = picture->Picture().IsEmpty() ? 0 : AddPicture(*picture);
    picture->PictureChanged = false;
  }
  quitanza::report::XMLItem& item = parent.Add();
  if (const SourceObject* source = m_dictionary.FindObject(object.OriginalComponent)) {
    item.Name = source->Alias;
    WriteDifferences(m_diff, object, *source->Object);
  } else {
    item.Name = object.ClassName();
    m_diff = XMLSerializer().ComponentAttributes(object, true, false).toStdString();
    if (dynamic_cast<NullBand*>(&object)) {
      m_diff += " l=\"";
      AppendFloat(m_diff, object.Left(), QLatin1Char('.'));
      m_diff += "\" t=\"";
      AppendFloat(m_diff, object.Top(), QLatin1Char('.'));
      m_diff += '"';
    }
  }
  item.Text = QByteArray(m_diff.data(), static_cast<qsizetype>(m_diff.size()));
  m_xmlSize += item.Name.size() + item.Text.size() + kItemCost;
  for (quitanza::report::Component* child : children)
    StoreObject(item, *child, child->Objects());
}

// An object without a source copy, kept with all its properties.
void PreviewPages::StoreWhole(quitanza::report::XMLItem& parent, const quitanza::report::Component& object)
{
  if (!object.Visible())
    return;
  quitanza::report::XMLItem& item = parent.Add(object.ClassName());
  item.Text = XMLSerializer().ComponentAttributes(object, false, false).toUtf8();
  for (const quitanza::report::Component* child : object.Objects())
    StoreWhole(item, *child);
}

int PreviewPages::AddPicture(quitanza::report::PictureView& View) { return m_pictureCache.Add(View.Picture().FileData()); }

void PreviewPages::Finish()
{
  LastY = 0;
  ClearPageCache();
  ForgetTemplateLinks();
  m_report.InternalOnProgressStop(0);
}

void PreviewPages::ForgetTemplateLinks()
{
  auto forget = [](quitanza::report::Component& copy) {
    if (copy.OriginalComponent && copy.OriginalComponent->OriginalComponent == &copy)
      copy.OriginalComponent->OriginalComponent = nullptr;
    copy.OriginalComponent = nullptr;
  };
  for (SourceCopy& source : m_sourcePages) {
    forget(*source.Page);
    for (quitanza::report::Component* object : source.Page->AllObjects())
      forget(*object);
  }
}

// ---------------------------------------------------------------- memory limit

void PreviewPages::ApplyMemoryLimit()
{
  const quitanza::report::EngineOptions& options = m_report.EngineOptions;
  if (!options.UseFileCache || m_xmlSize <= static_cast<qint64>(options.MaxMemSize) * 1048576)
    return;
  quitanza::report::XMLItem& pages = PagesItem();
  for (int i = pages.Count() - 2; i >= 0; --i) {
    quitanza::report::XMLItem& item = pages.Items(i);
    if (!item.Loaded)
      break;
    if (item.Unloadable)
      UnloadItem(item);
  }
  m_xmlSize = 0;
}

void PreviewPages::UnloadItem(quitanza::report::XMLItem& item)
{
  if (!item.Loaded || !item.Unloadable)
    return;
  if (!m_swapFile) {
    m_swapFile = std::make_unique<QTemporaryFile>(TempFileTemplate(m_report.EngineOptions.TempDir));
    if (!m_swapFile->open())
      throw ReportError(QStringLiteral(u"Não foi possível criar o arquivo temporário das páginas: %1").arg(m_swapFile->errorString()));
  }
  item.Offset = AppendItem(*m_swapFile, item);
  item.Clear();
  m_swapped.insert(&item);
}

// ---------------------------------------------------------------- logical page numbers

bool PreviewPages::CountsLogicalPages() const
{
  return !(m_report.EngineOptions.DoublePass && m_report.Engine().FinalPass);
}

void PreviewPages::IncLogicalPageNumber()
{
  if (!CountsLogicalPages())
    return;
  ++m_logicalPageN;
  LogicalPagesItem().Add(kPageItem).Text = "n=\"" + QByteArray::number(m_logicalPageN) + '"';
}

void PreviewPages::ResetLogicalPageNumber()
{
  if (!CountsLogicalPages())
    return;
  for (int i = CurPage; i > m_firstPageIndex; --i) {
    quitanza::report::XMLItem* item = LogicalPageItem(i);
    if (!item)
      continue;
    item->SetProp("t", QString::number(m_logicalPageN));
    if (item->Prop("n").toInt() == 1)
      break;
  }
  m_logicalPageN = 0;
}

int PreviewPages::GetLogicalPageNo()
{
  if (const quitanza::report::XMLItem* item = LogicalPageItem(CurPage))
    return item->Prop("n").toInt();
  return CurPage - FirstPage + 1;
}

int PreviewPages::GetLogicalTotalPages()
{
  if (const quitanza::report::XMLItem* item = LogicalPageItem(CurPage))
    return item->Prop("t").toInt();
  return m_report.Engine().TotalPages - FirstPage;
}

// ---------------------------------------------------------------- editing

void PreviewPages::AddEmptyPage(int Index)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  auto item = std::make_unique<quitanza::report::XMLItem>();
  item->Name = PagesItem().Items(Index).Name;
  PagesItem().InsertItem(Index, std::move(item));
  auto number = std::make_unique<quitanza::report::XMLItem>();
  number->Name = kPageItem;
  number->Text = "n=\"" + QByteArray::number(Index + 1) + '"';
  if (Index <= LogicalPagesItem().Count())
    LogicalPagesItem().InsertItem(Index, std::move(number));
}

void PreviewPages::DeletePage(int Index)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  m_swapped.erase(&PagesItem().Items(Index));
  PagesItem().TakeItem(Index);
  if (Index < LogicalPagesItem().Count())
    LogicalPagesItem().TakeItem(Index);
  if (CurPage >= Count())
    CurPage = Count() - 1;
}

void PreviewPages::ModifyPage(int Index, const quitanza::report::ReportPage& Page)
{
  if (Index < 0 || Index >= Count())
    return;
  ClearPageCache();
  quitanza::report::XMLItem& item = PagesItem().Items(Index);
  m_swapped.erase(&item);
  const QString name = item.Name;
  const bool unloadable = item.Unloadable;
  auto changed = std::make_unique<quitanza::report::XMLItem>();
  changed->Name = name;
  changed->Unloadable = unloadable;
  // The edited objects are stored whole: they no longer follow their source copies.
  for (const quitanza::report::Component* child : Page.Objects())
    StoreWhole(*changed, *child);
  PagesItem().TakeItem(Index);
  PagesItem().InsertItem(Index, std::move(changed));
}

}  // namespace quitanza::report
