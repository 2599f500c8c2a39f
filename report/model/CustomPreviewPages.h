#pragma once

#include "report/model/PageSource.h"

#include <QString>

#include <vector>

class QIODevice;

namespace quitanza::report {

class Component;
class Engine;
class PictureView;
class Report;
class ReportPage;

// Whether the engine's next page is appended or written over the current one.
enum class AddPageAction { WriteOver, Add };

// Prepared pages as the preparation engine fills them and the preview edits
// them; the prepared pages store implements it.
class CustomPreviewPages : public PageSource {
public:
  // --- filling (the preparation engine)
  virtual void Clear() = 0;
  virtual void Initialize() = 0;
  virtual void AddSourcePage(report::ReportPage& Page) = 0;
  virtual void BeginPass() = 0;
  virtual void ClearFirstPassPages() = 0;
  virtual void AddPage(report::ReportPage& Page) = 0;
  // Stores Obj with its visible children on the current page.
  virtual void AddObject(report::Component& Obj) = 0;
  // Stores Obj with `Children` listed inside it (a band carrying objects that
  // are not its own children).
  virtual void AddObject(report::Component& Obj, const std::vector<report::Component*>& Children) = 0;
  // Appends the view's graphic to the picture cache; returns its index (1-based).
  virtual int AddPicture(report::PictureView& View) = 0;
  virtual void Finish() = 0;
  virtual void IncLogicalPageNumber() = 0;
  virtual void ResetLogicalPageNumber() = 0;
  virtual int GetLogicalPageNo() = 0;
  virtual int GetLogicalTotalPages() = 0;

  // --- editing (the preview)
  virtual void AddEmptyPage(int Index) = 0;
  virtual void DeletePage(int Index) = 0;
  virtual void ModifyPage(int Index, const report::ReportPage& Page) = 0;

  // --- prepared report files
  virtual void SaveToStream(QIODevice& Stream) = 0;
  // False (errors in the report's list, shown as its NewSilentMode says) when
  // the stream is not a prepared report.
  virtual bool LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) = 0;
  virtual bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) = 0;
  virtual void SaveToFile(const QString& FileName) = 0;

  report::AddPageAction AddPageAction = AddPageAction::Add;
  // Index of the current prepared page; -1 when there is none.
  int CurPage = -1;
  int CurPreviewPage = 0;
  int FirstPage = 0;
};

}  // namespace quitanza::report
