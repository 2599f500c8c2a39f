#pragma once

#include "report/format/frxXML.h"
#include "report/model/frxCustomPreviewPages.h"
#include "report/model/frxPictureCache.h"
#include "report/model/frxPreviewDictionary.h"
#include "report/model/frxReportPage.h"

#include <QByteArray>

#include <list>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

class QFile;
class QTemporaryFile;

// The prepared pages store. Every template page is copied once as a source
// page; each prepared object is kept as an XML element that records only how
// it differs from its source copy, and pages are rebuilt into object trees on
// demand, the most recent ones kept in a page cache. With the engine's file
// cache, page items beyond the memory budget move to a temporary file.
class TfrxPreviewPages : public TfrxCustomPreviewPages {
public:
  explicit TfrxPreviewPages(TfrxReport& report);
  ~TfrxPreviewPages() override;

  // --- reading
  int Count() const override;
  // Throws EfrxError when the page's stored content is damaged (a prepared
  // report file that was tampered with).
  TfrxReportPage* GetPage(int Index) override;
  QSize GetPageSize(int Index) override;

  // --- filling
  void Clear() override;
  void Initialize() override;
  void AddSourcePage(TfrxReportPage& Page) override;
  void BeginPass() override;
  void ClearFirstPassPages() override;
  void AddPage(TfrxReportPage& Page) override;
  void AddObject(TfrxComponent& Obj) override;
  void AddObject(TfrxComponent& Obj, const std::vector<TfrxComponent*>& Children) override;
  int AddPicture(TfrxPictureView& View) override;
  void Finish() override;
  void IncLogicalPageNumber() override;
  void ResetLogicalPageNumber() override;
  int GetLogicalPageNo() override;
  int GetLogicalTotalPages() override;
  // For endless pages: the source page of `Page` gets the custom paper size
  // of the given pixel sizes.
  void UpdatePageDimensions(TfrxReportPage& Page, long double Width, long double Height);

  // --- editing
  void AddEmptyPage(int Index) override;
  void DeletePage(int Index) override;
  void ModifyPage(int Index, const TfrxReportPage& Page) override;

  // --- prepared report files
  void SaveToStream(QIODevice& Stream) override;
  bool LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) override;
  bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) override;
  void SaveToFile(const QString& FileName) override;

  // --- state, for the engine, the preview and tests
  const TfrxXMLDocument& XMLDoc() const { return FXMLDoc; }
  // The "previewpages" section: one item per prepared page.
  TfrxXMLItem& PagesItem();
  int SourcePageCount() const { return static_cast<int>(FSourcePages.size()); }
  const TfrxReportPage& SourcePage(int Index) const { return *FSourcePages.at(static_cast<std::size_t>(Index)).Page; }
  const TfrxPreviewDictionary& Dictionary() const { return FDictionary; }
  const TfrxPictureCache& PictureCache() const { return FPictureCache; }
  int PageCacheCount() const { return static_cast<int>(FPageCache.size()); }
  qint64 XMLSize() const { return FXMLSize; }
  int FirstPageIndex() const { return FFirstPageIndex; }
  long double LastY = 0;

private:
  struct SourceCopy {
    std::unique_ptr<TfrxReportPage> Page;
  };
  using CachedPage = std::pair<int, std::unique_ptr<TfrxReportPage>>;

  // Sections are made on first use; their order is the file's.
  TfrxXMLItem& Section(const QString& name);
  TfrxXMLItem* FindSection(const QString& name) const;
  TfrxXMLItem& LogicalPagesItem();
  TfrxXMLItem* LogicalPageItem(int index);
  bool CountsLogicalPages() const;

  // --- adding
  // How source copies are made, and pages rebuilt from them: their floats as
  // a prepared report file holds them, so that a report prepared here shows
  // the same as one saved and loaded again.
  static TfrxPropCopy AsInFiles()
  {
    TfrxPropCopy copy;
    copy.FileFloats = true;
    return copy;
  }
  void CopySourceObjects(const TfrxComponent& from, TfrxComponent& to, int sourceIndex);
  int SourceIndexOf(const TfrxReportPage& page) const;
  void StoreObject(TfrxXMLItem& parent, TfrxComponent& object, const std::vector<TfrxComponent*>& children);
  void StoreWhole(TfrxXMLItem& parent, const TfrxComponent& object);
  void ApplyMemoryLimit();
  void UnloadItem(TfrxXMLItem& item);
  void ForgetTemplateLinks();

  // --- rebuilding
  void EnsureLoaded(TfrxXMLItem& item);
  // The children of an unloaded item, read from where they were moved.
  void ReadStoredChildren(const TfrxXMLItem& item, TfrxXMLItem& into);
  std::unique_ptr<TfrxReportPage> RebuildPage(TfrxXMLItem& item);
  void RebuildChildren(const TfrxXMLItem& item, TfrxComponent& parent, int depth);
  const SourceCopy& SourcePageOfItem(const TfrxXMLItem& item) const;
  void CachePage(int index, std::unique_ptr<TfrxReportPage> page);
  void ClearPageCache() { FPageCache.clear(); }

  // --- files
  void WriteDocument(QIODevice& stream);
  void WritePagesSection(class TfrxXMLWriter& writer, const TfrxXMLItem& pages);
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

  TfrxReport& FReport;
  TfrxXMLDocument FXMLDoc;
  TfrxXMLItem* FPagesItem = nullptr;
  TfrxXMLItem* FLogicalItem = nullptr;
  std::vector<SourceCopy> FSourcePages;
  TfrxPreviewDictionary FDictionary;
  TfrxPictureCache FPictureCache;
  std::list<CachedPage> FPageCache;  // most recently used first
  int FFirstPageIndex = 0;
  int FFirstObjectIndex = 0;
  int FLogicalPageN = 0;
  qint64 FXMLSize = 0;
  // Where unloaded page items are: the temporary file, or the prepared report
  // file that was loaded partially.
  std::unique_ptr<QTemporaryFile> FSwapFile;
  std::unordered_set<const TfrxXMLItem*> FSwapped;
  std::unique_ptr<QIODevice> FPartialSource;
  std::string FDiff;  // reused for every stored object
};
