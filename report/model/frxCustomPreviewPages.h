#pragma once

#include <QSize>
#include <QString>

#include <vector>

class QIODevice;
class TfrxComponent;
class TfrxEngine;
class TfrxPictureView;
class TfrxReport;
class TfrxReportPage;

// Whether the engine's next page is appended or written over the current one.
enum TfrxAddPageAction { apWriteOver, apAdd };

// What drawing, printing and export read from a set of prepared pages, and
// what the preparation engine and the preview call to fill and edit them. The
// prepared pages store implements it; pages come back rebuilt as page objects
// whose children are the stored bands with their objects.
class TfrxCustomPreviewPages {
public:
  virtual ~TfrxCustomPreviewPages() = default;

  // --- reading (drawing, printing, export)
  virtual int Count() const = 0;
  // The rebuilt page, owned by the store (valid until the store evicts it from
  // its page cache); nullptr when there are no pages or Index is out of range.
  virtual TfrxReportPage* GetPage(int Index) = 0;
  // Whole pixels at 96 per inch; (0, 0) when Index is out of range.
  virtual QSize GetPageSize(int Index) = 0;

  // --- filling (the preparation engine)
  virtual void Clear() = 0;
  virtual void Initialize() = 0;
  virtual void AddSourcePage(TfrxReportPage& Page) = 0;
  virtual void BeginPass() = 0;
  virtual void ClearFirstPassPages() = 0;
  virtual void AddPage(TfrxReportPage& Page) = 0;
  // Stores Obj with its visible children on the current page.
  virtual void AddObject(TfrxComponent& Obj) = 0;
  // Stores Obj with `Children` listed inside it (a band carrying objects that
  // are not its own children).
  virtual void AddObject(TfrxComponent& Obj, const std::vector<TfrxComponent*>& Children) = 0;
  // Appends the view's graphic to the picture cache; returns its index (1-based).
  virtual int AddPicture(TfrxPictureView& View) = 0;
  virtual void Finish() = 0;
  virtual void IncLogicalPageNumber() = 0;
  virtual void ResetLogicalPageNumber() = 0;
  virtual int GetLogicalPageNo() = 0;
  virtual int GetLogicalTotalPages() = 0;

  // --- editing (the preview)
  virtual void AddEmptyPage(int Index) = 0;
  virtual void DeletePage(int Index) = 0;
  virtual void ModifyPage(int Index, const TfrxReportPage& Page) = 0;

  // --- prepared report files
  virtual void SaveToStream(QIODevice& Stream) = 0;
  // False (errors in the report's list, shown as its NewSilentMode says) when
  // the stream is not a prepared report.
  virtual bool LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) = 0;
  virtual bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) = 0;
  virtual void SaveToFile(const QString& FileName) = 0;

  TfrxAddPageAction AddPageAction = apAdd;
  // Index of the current prepared page; -1 when there is none.
  int CurPage = -1;
  int CurPreviewPage = 0;
  int FirstPage = 0;
};
