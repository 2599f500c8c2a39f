#pragma once

#include "report/model/PreviewControl.h"
#include "report/model/Types.h"

#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QLabel;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace quitanza::report {

class CustomExportFilter;
class PreviewPages;
class PreviewWorkspace;
class Report;
class View;
class XMLItem;

// The preview control: the prepared pages of a report in a scrollable
// workspace, with the outline and thumbnail panels beside it and a message
// panel over it. It follows a preparation that runs while it is shown, and
// carries out the window's commands (pages, zoom, find, files, export).
class Preview : public QWidget, public PreviewControl {
  Q_OBJECT
public:
  explicit Preview(QWidget* parent = nullptr);
  ~Preview() override;

  // Attaches to the report and shows its prepared pages from page 1 with the
  // report's preview options.
  void Init(quitanza::report::Report& report);
  quitanza::report::Report* AttachedReport() const { return m_report; }

  // --- pages, 1-based
  int PageNo() const { return m_pageNo; }
  int PageCount() const;
  void SetPageNo(int pageNo);
  void First() { SetPageNo(1); }
  void Prior() { SetPageNo(m_pageNo - 1); }
  void Next() { SetPageNo(m_pageNo + 1); }
  void Last() { SetPageNo(PageCount()); }
  // While a two-pass preparation runs its first pass.
  bool InFirstPass() const;

  // --- zoom
  double Zoom() const;
  void SetZoom(double zoom);
  quitanza::report::ZoomMode ZoomMode() const { return m_zoomMode; }
  void SetZoomMode(quitanza::report::ZoomMode mode);
  void ZoomIn() { SetZoom(Zoom() + 0.25); }
  void ZoomOut() { SetZoom(Zoom() - 0.25); }
  void LayoutPages();

  // --- find
  bool FindText(const QString& text, bool fromTop, bool caseSensitive);
  // Repeats the last search from its match; false when nothing more is found.
  bool FindNext();
  bool AllowF3() const { return m_allowF3; }

  // --- files and output; each is ignored while pages are being prepared
  void SaveToFile(const QString& fileName);
  // False when the file is not a prepared report (its errors are reported).
  bool LoadFromFile(const QString& fileName);
  bool Export(quitanza::report::CustomExportFilter& filter);
  void Print();
  // Re-prepares the report, keeping the page and the view's position.
  void RefreshReport();

  // --- preparation
  bool Running() const { return m_running; }
  // Stops a running preparation; the pages made so far stay.
  void Cancel();

  void Lock();
  void Unlock();
  void ShowMessage(const QString& text);
  void HideMessage();

  void SetOutlineVisible(bool visible);
  bool OutlineVisible() const;
  void SetThumbnailVisible(bool visible);
  bool ThumbnailVisible() const;

  PreviewWorkspace& Workspace() const { return *m_workspace; }
  PreviewWorkspace& Thumbnail() const { return *m_thumbnail; }
  QTreeWidget& OutlineTree() const { return *m_outline; }

  // --- PreviewControl
  void OnProgressStart(quitanza::report::Report& report, int kind) override;
  void OnProgress(quitanza::report::Report& report, int kind, int progress) override;
  void OnProgressStop(quitanza::report::Report& report, int kind) override;
  void Close() override;

Q_SIGNALS:
  void PageChanged(int pageNo);
  // The zoom changed: the zoom list shows it.
  void ZoomChanged(double zoom);
  // Running, page count or file changed: the window refreshes its controls.
  void StateChanged();
  // Preparation failed: the window closes.
  void CloseRequested();
  // The pointer is over an object with this link; empty when over none.
  // The object under the pointer changed: its link (empty for none) and the
  // long part of its hint (empty unless it shows one).
  void ObjectHovered(const QString& url, const QString& longHint);

private:
  void DetachReport();
  quitanza::report::PreviewPages& Pages() const;
  void MakeCurrent(int index);
  void FillOutline();
  void AddOutlineItems(QTreeWidgetItem* parent, const XMLItem& item);
  void OutlineClicked(QTreeWidgetItem* item);
  void ZoomWheel(int notches);
  void NavigationKey(int key, bool control);
  void ShowSidePanel();
  // The link of the topmost object with one under a workspace point.
  // The topmost object under the point, or nullptr.
  const View* ObjectAt(QPoint workspacePoint) const;
  void Hover(QPoint workspacePoint);
  void FollowLink(QPoint workspacePoint);

  quitanza::report::Report* m_report = nullptr;
  PreviewWorkspace* m_workspace;
  PreviewWorkspace* m_thumbnail;
  QTreeWidget* m_outline;
  QSplitter* m_splitter;
  QFrame* m_messagePanel;
  QLabel* m_messageLabel;
  int m_pageNo = 1;
  quitanza::report::ZoomMode m_zoomMode = quitanza::report::ZoomMode::Default;
  bool m_running = false;
  bool m_cancelled = false;
  bool m_allowF3 = false;
  int m_lockCount = 0;
  int m_refreshPeriod = 50;
  QElapsedTimer m_firstPageTime;
  QString m_hoveredLink;
  QString m_hoveredHint;
};

}  // namespace quitanza::report
