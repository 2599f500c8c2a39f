#pragma once

#include "report/format/XML.h"
#include "report/model/CustomPreviewPages.h"
#include "report/model/PictureCache.h"
#include "report/model/PreviewDictionary.h"
#include "report/model/ReportPage.h"

#include <QByteArray>

#include <list>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

class QFile;
class QTemporaryFile;

namespace quitanza::report {

// The prepared pages store. Every template page is copied once as a source
// page; each prepared object is kept as an XML element that records only how
// it differs from its source copy, and pages are rebuilt into object trees on
// demand, the most recent ones kept in a page cache. With the engine's file
// cache, page items beyond the memory budget move to a temporary file.
class PreviewPages : public CustomPreviewPages {
public:
  explicit PreviewPages(quitanza::report::Report& report);
  ~PreviewPages() override;

  // --- reading
  int Count() const override;
  // Throws ReportError when the page's stored content is damaged (a prepared
  // report file that was tampered with).
  quitanza::report::ReportPage* GetPage(int Index) override;
  QSize GetPageSize(int Index) override;
  void FreeCache() override { ClearPageCache(); }

  // --- filling
  // Whether the next preparations may take the source copies made by earlier
  // ones instead of copying every object again. True promises that nothing
  // changes the template objects between preparations. Every call forgets
  // which copies were made from what, as TemplateReplaced() does.
  void ReuseSourcePages(bool reuse);
  // The report's objects were replaced (a template loaded, the report
  // restored after preparing): no copy made so far is taken again.
  void TemplateReplaced();
  void Clear() override;
  void Initialize() override;
  void AddSourcePage(quitanza::report::ReportPage& Page) override;
  void BeginPass() override;
  void ClearFirstPassPages() override;
  void AddPage(quitanza::report::ReportPage& Page) override;
  void AddObject(quitanza::report::Component& Obj) override;
  void AddObject(quitanza::report::Component& Obj, const std::vector<quitanza::report::Component*>& Children) override;
  int AddPicture(quitanza::report::PictureView& View) override;
  void Finish() override;
  void IncLogicalPageNumber() override;
  void ResetLogicalPageNumber() override;
  int GetLogicalPageNo() override;
  int GetLogicalTotalPages() override;
  // For endless pages: the source page of `Page` gets the custom paper size
  // of the given pixel sizes.
  void UpdatePageDimensions(quitanza::report::ReportPage& Page, long double Width, long double Height);

  // --- editing
  void AddEmptyPage(int Index) override;
  void DeletePage(int Index) override;
  void ModifyPage(int Index, const quitanza::report::ReportPage& Page) override;

  // --- prepared report files
  void SaveToStream(QIODevice& Stream) override;
  bool LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) override;
  bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) override;
  void SaveToFile(const QString& FileName) override;

  // --- state, for the engine, the preview and tests
  const quitanza::report::XMLDocument& XMLDoc() const { return m_xmlDoc; }
  // The "previewpages" section: one item per prepared page.
  quitanza::report::XMLItem& PagesItem();
  int SourcePageCount() const { return static_cast<int>(m_sourcePages.size()); }
  const quitanza::report::ReportPage& SourcePage(int Index) const { return *m_sourcePages.at(static_cast<std::size_t>(Index)).Page; }
  const quitanza::report::PreviewDictionary& Dictionary() const { return m_dictionary; }
  const quitanza::report::PictureCache& PictureCache() const { return m_pictureCache; }
  int PageCacheCount() const { return static_cast<int>(m_pageCache.size()); }
  qint64 XMLSize() const { return m_xmlSize; }
  int FirstPageIndex() const { return m_firstPageIndex; }
  long double LastY = 0;

private:
  struct SourceCopy {
    std::unique_ptr<quitanza::report::ReportPage> Page;
    // The template page it was copied from while copies could be reused;
    // null for the others.
    const quitanza::report::ReportPage* ReusableFor = nullptr;
  };
  using CachedPage = std::pair<int, std::unique_ptr<quitanza::report::ReportPage>>;

  // Sections are made on first use; their order is the file's.
  quitanza::report::XMLItem& Section(const QString& name);
  quitanza::report::XMLItem* FindSection(const QString& name) const;
  quitanza::report::XMLItem& LogicalPagesItem();
  quitanza::report::XMLItem* LogicalPageItem(int index);
  bool CountsLogicalPages() const;

  // --- adding
  // How source copies are made, and pages rebuilt from them: their floats as
  // a prepared report file holds them, so that a report prepared here shows
  // the same as one saved and loaded again.
  static PropCopy AsInFiles()
  {
    PropCopy copy;
    copy.FileFloats = true;
    return copy;
  }
  void CopySourceObjects(const quitanza::report::Component& from, quitanza::report::Component& to, int sourceIndex);
  int SourceIndexOf(const quitanza::report::ReportPage& page) const;
  void StoreObject(quitanza::report::XMLItem& parent, quitanza::report::Component& object, const std::vector<quitanza::report::Component*>& children);
  void StoreWhole(quitanza::report::XMLItem& parent, const quitanza::report::Component& object);
  void ApplyMemoryLimit();
  void UnloadItem(quitanza::report::XMLItem& item);
  void ForgetTemplateLinks();

  // --- rebuilding
  void EnsureLoaded(quitanza::report::XMLItem& item);
  // The children of an unloaded item, read from where they were moved.
  void ReadStoredChildren(const quitanza::report::XMLItem& item, quitanza::report::XMLItem& into);
  std::unique_ptr<quitanza::report::ReportPage> RebuildPage(quitanza::report::XMLItem& item);
  void RebuildChildren(const quitanza::report::XMLItem& item, quitanza::report::Component& parent, int depth);
  const SourceCopy& SourcePageOfItem(const quitanza::report::XMLItem& item) const;
  void CachePage(int index, std::unique_ptr<quitanza::report::ReportPage> page);
  void ClearPageCache() { m_pageCache.clear(); }

  // --- files
  void WriteDocument(QIODevice& stream);
  void WritePagesSection(class XMLWriter& writer, const quitanza::report::XMLItem& pages);
  void FillFileSections();
  void RemoveFileSections();
  void ReadDocument(QIODevice& stream, bool partial);
  // Reads a prepared report; with a partial source, unloadable pages stay in
  // it (the stream itself) until shown.
  bool LoadDocument(QIODevice& stream, std::unique_ptr<QIODevice> partialSource);
  void ReadReportSection();
  void ReadSourcePages();
  void ReadDictionary();
  void ReadPictureCache();
  bool FailLoading(const QString& message);

  quitanza::report::Report& m_report;
  quitanza::report::XMLDocument m_xmlDoc;
  quitanza::report::XMLItem* m_pagesItem = nullptr;
  quitanza::report::XMLItem* m_logicalItem = nullptr;
  std::vector<SourceCopy> m_sourcePages;
  quitanza::report::PreviewDictionary m_dictionary;
  quitanza::report::PictureCache m_pictureCache;
  std::list<CachedPage> m_pageCache;  // most recently used first
  int m_firstPageIndex = 0;
  int m_firstObjectIndex = 0;
  int m_logicalPageN = 0;
  qint64 m_xmlSize = 0;
  // Where unloaded page items are: the temporary file, or the prepared report
  // file that was loaded partially.
  std::unique_ptr<QTemporaryFile> m_swapFile;
  std::unordered_set<const quitanza::report::XMLItem*> m_swapped;
  std::unique_ptr<QIODevice> m_partialSource;
  std::string m_diff;  // reused for every stored object
  bool m_reuseSourcePages = false;
};

}  // namespace quitanza::report
