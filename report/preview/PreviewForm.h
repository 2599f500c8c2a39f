#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class QToolButton;

namespace quitanza::report {

class CustomExportFilter;
class Preview;
class Report;

// The preview window: toolbar, the preview control and a status bar of three
// panels. Which controls exist follows the report's preview options; while a
// preparation runs, the output controls are disabled, Close reads "Cancel"
// and stops it, and the window refuses to close.
class PreviewForm : public QDialog {
  Q_OBJECT
public:
  explicit PreviewForm(quitanza::report::Report& report, QWidget* parent = nullptr);
  ~PreviewForm() override;

  quitanza::report::Preview& PreviewControl() const { return *m_preview; }
  // The window as the report's options want it: maximised or not, the zoom.
  void Init();

  // Named controls, as the window's design names them.
  QAction* Control(const QString& name) const;
  QComboBox& ZoomList() const { return *m_zoomList; }
  QLineEdit& PageEdit() const { return *m_pageEdit; }
  QLabel& StatusPanel(int index) const { return *m_panels[static_cast<std::size_t>(index)]; }
  QToolBar& ToolBar() const { return *m_toolBar; }

  // Window commands, as the controls and keys call them.
  void Find();
  void FindNext();
  void Save();
  void Open();
  void ExportWith(quitanza::report::CustomExportFilter& filter);
  void Print();
  void ToggleFullScreen();
  void ApplyZoomText(const QString& text);

  void reject() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QAction* AddAction(const char* name, const QString& caption, const QString& hint, const QIcon& icon,
                     const std::function<void()>& handler, bool visible);
  void BuildToolBar();
  void AddSeparatorAfter(const std::vector<QAction*>& group);
  void RefreshControls();
  void UpdatePageStatus(int pageNo);
  void ShowZoom(double zoom);
  void UpdateCaption();
  void RunShowingErrors(const std::function<void()>& handler);

  quitanza::report::Report& m_report;
  quitanza::report::Preview* m_preview;
  QToolBar* m_toolBar;
  QComboBox* m_zoomList;
  QLineEdit* m_pageEdit;
  QToolButton* m_exportButton = nullptr;
  QMenu* m_exportMenu;
  std::array<QLabel*, 3> m_panels{};
  std::vector<QAction*> m_actions;
  bool m_fullScreen = false;
  Qt::WindowStates m_stateBeforeFullScreen;
};

}  // namespace quitanza::report
