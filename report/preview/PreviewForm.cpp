#include "report/preview/PreviewForm.h"

#include "report/format/Errors.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/output/ExportPDF.h"
#include "report/preview/FindDialog.h"
#include "report/preview/PageSettingsDialog.h"
#include "report/preview/Preview.h"
#include "report/preview/PreviewWorkspace.h"
#include "report/preview/ZoomText.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quitanza::report {

namespace {

constexpr int kFirstPanelWidth = 200;
// Descriptions of the export filters, which the Export menu shows translated.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("quitanza::report::PreviewForm", "PDF file")};

bool HasButton(const Report& report, PreviewButton button)
{
  return report.PreviewOptions.Buttons.testFlag(button);
}

PDFExport* FindPdfFilter()
{
  for (CustomExportFilter* filter : ExportFilters()) {
    if (auto* pdf = dynamic_cast<PDFExport*>(filter))
      return pdf;
  }
  return nullptr;
}

QString PreparedReportFilter()
{
  return PreviewForm::tr("Prepared Report") + QStringLiteral(" (*.fp3)");
}

}  // namespace

PreviewForm::PreviewForm(Report& report, QWidget* parent)
    : QDialog(parent),
      m_report(report),
      m_preview(new Preview),
      m_toolBar(new QToolBar),
      m_zoomList(new QComboBox),
      m_pageEdit(new QLineEdit(QStringLiteral("1"))),
      m_exportMenu(new QMenu(this))
{
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setWindowFlag(Qt::WindowMinimizeButtonHint);
  setSizeGripEnabled(true);
  auto* statusBar = new QStatusBar;
  for (QLabel*& panel : m_panels) {
    panel = new QLabel;
    statusBar->addWidget(panel, panel == m_panels[0] ? 0 : 1);
  }
  m_panels[0]->setFixedWidth(kFirstPanelWidth);
  if (logicalDpiY() > 96)
    statusBar->setFixedHeight(24);

  BuildToolBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_toolBar);
  layout->addWidget(m_preview, 1);
  layout->addWidget(statusBar);
  resize(803, 584);

  connect(m_preview, &Preview::PageChanged, this, &PreviewForm::UpdatePageStatus);
  connect(m_preview, &Preview::ZoomChanged, this, &PreviewForm::ShowZoom);
  connect(m_preview, &Preview::StateChanged, this, &PreviewForm::RefreshControls);
  connect(m_preview, &Preview::StateChanged, this, &PreviewForm::UpdateCaption);
  connect(m_preview, &Preview::CloseRequested, this, &QDialog::reject);
  connect(m_preview, &Preview::ObjectHovered, this, [this](const QString& link, const QString& longHint) {
    m_panels[1]->setText(link);
    m_panels[2]->setText(longHint);
  });
  connect(&m_preview->Workspace(), &PreviewWorkspace::DoubleClicked, this, [this] {
    if (m_fullScreen)
      ToggleFullScreen();
  });
}

// Hiding moves the focus out of the zoom list, whose handlers call into this
// form: that must happen while the form is still whole, not later in the
// dialog's own destructor.
PreviewForm::~PreviewForm()
{
  hide();
}

QAction* PreviewForm::AddAction(const char* name, const QString& caption, const QString& hint, const QIcon& icon,
                                const std::function<void()>& handler, bool visible)
{
  auto* action = new QAction(icon, caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(hint);
  action->setVisible(visible);
  connect(action, &QAction::triggered, this, [this, handler] { RunShowingErrors(handler); });
  m_toolBar->addAction(action);
  // On the window too, so that its shortcut works while the toolbar is
  // hidden (full screen).
  addAction(action);
  m_actions.push_back(action);
  return action;
}

void PreviewForm::BuildToolBar()
{
  QStyle* s = style();
  const Report& r = m_report;
  m_toolBar->setIconSize(QSize(16, 16));
  m_toolBar->setToolButtonStyle(r.PreviewOptions.ShowCaptions ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
  const bool canExport = !ExportFilters().empty();
  PDFExport* pdf = FindPdfFilter();

  QAction* print = AddAction("PrintB", tr("Print"), tr("Print"), QIcon::fromTheme(QStringLiteral("document-print"), s->standardIcon(QStyle::SP_ComputerIcon)),
                             [this] { Print(); }, HasButton(r, PreviewButton::Print));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QAction* open = AddAction("OpenB", tr("Open"), tr("Open"), s->standardIcon(QStyle::SP_DialogOpenButton), [this] { Open(); },
                            HasButton(r, PreviewButton::Load));
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  QAction* save = AddAction("SaveB", tr("Save"), tr("Save"), s->standardIcon(QStyle::SP_DialogSaveButton), [this] { Save(); },
                            HasButton(r, PreviewButton::Save));
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  for (CustomExportFilter* filter : ExportFilters()) {
    QAction* item = m_exportMenu->addAction(tr(qPrintable(filter->GetDescription())) + QStringLiteral("..."));
    connect(item, &QAction::triggered, this, [this, filter] { RunShowingErrors([this, filter] { ExportWith(*filter); }); });
  }
  QAction* exportAction = AddAction("ExportB", tr("Export"), tr("Export"), s->standardIcon(QStyle::SP_DriveFDIcon), [] {},
                                    HasButton(r, PreviewButton::Export) && canExport);
  exportAction->setMenu(m_exportMenu);
  m_exportButton = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(exportAction));
  if (m_exportButton)
    m_exportButton->setPopupMode(QToolButton::InstantPopup);
  AddAction("PdfB", QString(), tr("Export to PDF"), s->standardIcon(QStyle::SP_FileIcon),
            [this, pdf] { ExportWith(*pdf); }, HasButton(r, PreviewButton::ExportQuick) && pdf);
  // This program has no e-mail export filter, so the button never shows.
  AddAction("EmailB", QString(), tr("Send by E-mail"), QIcon(), [] {}, false);
  AddSeparatorAfter({m_actions.begin(), m_actions.end()});
  const std::size_t secondGroup = m_actions.size();

  QAction* find = AddAction("FindB", tr("Find"), tr("Find"), s->standardIcon(QStyle::SP_FileDialogContentsView),
                            [this] { Find(); }, HasButton(r, PreviewButton::Find));
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  const bool zoom = HasButton(r, PreviewButton::Zoom);
  AddAction("ZoomPlusB", tr("Zoom In"), tr("Zoom In"), QIcon::fromTheme(QStringLiteral("zoom-in"), s->standardIcon(QStyle::SP_ArrowUp)),
            [this] { m_preview->ZoomIn(); }, zoom);
  m_zoomList->setEditable(true);
  m_zoomList->setInsertPolicy(QComboBox::NoInsert);
  m_zoomList->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                        QStringLiteral("150%"), QStringLiteral("200%"), tr("Page width"), tr("Whole page")});
  m_zoomList->setToolTip(tr("Zoom"));
  m_zoomList->setMinimumContentsLength(8);
  m_zoomList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(m_zoomList, &QComboBox::activated, this,
          [this](int index) { RunShowingErrors([this, index] { ApplyZoomText(m_zoomList->itemText(index)); }); });
  // Enter is taken before the list sees it, which would apply the text a
  // second time as a chosen item (eventFilter).
  m_zoomList->lineEdit()->installEventFilter(this);
  QAction* zoomList = m_toolBar->addWidget(m_zoomList);
  zoomList->setObjectName(QStringLiteral("ZoomCB"));
  zoomList->setVisible(zoom);
  m_actions.push_back(zoomList);
  AddAction("ZoomMinusB", tr("Zoom Out"), tr("Zoom Out"), QIcon::fromTheme(QStringLiteral("zoom-out"), s->standardIcon(QStyle::SP_ArrowDown)),
            [this] { m_preview->ZoomOut(); }, zoom);
  QAction* fullScreen = AddAction("FullScreenBtn", QString(), tr("Full Screen"), s->standardIcon(QStyle::SP_TitleBarMaxButton),
                                  [this] { ToggleFullScreen(); }, zoom && !HasButton(r, PreviewButton::NoFullScreen));
  fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  fullScreen->setShortcutContext(Qt::WindowShortcut);
  AddSeparatorAfter({m_actions.begin() + static_cast<std::ptrdiff_t>(secondGroup), m_actions.end()});
  const std::size_t thirdGroup = m_actions.size();

  const bool outline = HasButton(r, PreviewButton::Outline);
  QAction* outlineB = AddAction("OutlineB", tr("Outline"), tr("Report outline"), s->standardIcon(QStyle::SP_FileDialogListView),
                                [] {}, outline);
  QAction* thumbB = AddAction("ThumbB", tr("Thumbnails"), tr("Thumbnails"), s->standardIcon(QStyle::SP_FileDialogDetailedView),
                              [] {}, outline);
  outlineB->setCheckable(true);
  thumbB->setCheckable(true);
  connect(outlineB, &QAction::toggled, this, [this, thumbB](bool on) {
    m_preview->SetOutlineVisible(on);
    if (on)
      thumbB->setChecked(false);
  });
  connect(thumbB, &QAction::toggled, this, [this, outlineB](bool on) {
    m_preview->SetThumbnailVisible(on);
    if (on)
      outlineB->setChecked(false);
  });
  AddAction("PageSettingsB", tr("Page Settings"), tr("Page Settings"), s->standardIcon(QStyle::SP_FileDialogInfoView),
            [this] {
              if (m_preview->Running() || m_preview->PageCount() == 0)
                return;
              if (RunPageSettingsDialog(m_report, m_preview->PageNo() - 1, this) == PageSettingsChoice::AllPages)
                m_preview->RefreshReport();
              else
                m_preview->LayoutPages();
            },
            HasButton(r, PreviewButton::PageSetup));
  // Editing a prepared page needs a report designer, which this program does not have.
  AddAction("DesignerB", tr("Edit"), tr("Edit Page"), s->standardIcon(QStyle::SP_FileDialogNewFolder), [] {},
            HasButton(r, PreviewButton::Edit));
  AddSeparatorAfter({m_actions.begin() + static_cast<std::ptrdiff_t>(thirdGroup), m_actions.end()});

  const bool navigator = HasButton(r, PreviewButton::Navigator);
  AddAction("FirstB", tr("First"), tr("First Page"), s->standardIcon(QStyle::SP_MediaSkipBackward), [this] { m_preview->First(); },
            navigator);
  AddAction("PriorB", tr("Prior"), tr("Prior Page"), s->standardIcon(QStyle::SP_MediaSeekBackward), [this] { m_preview->Prior(); },
            navigator);
  m_pageEdit->setToolTip(tr("Page Number"));
  m_pageEdit->setFixedWidth(50);
  m_pageEdit->setAlignment(Qt::AlignCenter);
  connect(m_pageEdit, &QLineEdit::returnPressed, this, [this] {
    RunShowingErrors([this] {
      bool ok = false;
      const int page = m_pageEdit->text().trimmed().toInt(&ok);
      if (!ok)
        throw ReportError(tr("'%1' is not a valid integer value").arg(m_pageEdit->text()));
      m_preview->SetPageNo(page);
    });
  });
  QAction* pageEdit = m_toolBar->addWidget(m_pageEdit);
  pageEdit->setObjectName(QStringLiteral("PageE"));
  pageEdit->setVisible(navigator);
  m_actions.push_back(pageEdit);
  AddAction("NextB", tr("Next"), tr("Next Page"), s->standardIcon(QStyle::SP_MediaSeekForward), [this] { m_preview->Next(); },
            navigator);
  AddAction("LastB", tr("Last"), tr("Last Page"), s->standardIcon(QStyle::SP_MediaSkipForward), [this] { m_preview->Last(); },
            navigator);
  m_toolBar->addSeparator()->setVisible(navigator);
  AddAction("CancelB", tr("Close"), QString(), s->standardIcon(QStyle::SP_DialogCloseButton), [this] { reject(); },
            !HasButton(r, PreviewButton::NoClose));

  auto* findNext = new QAction(this);
  findNext->setShortcut(QKeySequence(Qt::Key_F3));
  findNext->setEnabled(HasButton(r, PreviewButton::Find));
  connect(findNext, &QAction::triggered, this, [this] { RunShowingErrors([this] { FindNext(); }); });
  addAction(findNext);
}

void PreviewForm::AddSeparatorAfter(const std::vector<QAction*>& group)
{
  const bool any = std::any_of(group.begin(), group.end(), [](QAction* a) { return a->isVisible(); });
  m_toolBar->addSeparator()->setVisible(any);
}

QAction* PreviewForm::Control(const QString& name) const
{
  for (QAction* action : m_actions) {
    if (action->objectName() == name)
      return action;
  }
  return nullptr;
}

void PreviewForm::Init()
{
  const PreviewOptions& options = m_report.PreviewOptions;
  m_preview->Init(m_report);
  UpdateCaption();
  if (options.Maximized)
    setWindowState(windowState() | Qt::WindowMaximized);
  if (options.ZoomMode == ZoomMode::Default)
    m_preview->SetZoom(static_cast<double>(options.Zoom));
  else
    m_preview->SetZoomMode(options.ZoomMode);
  Control(QStringLiteral("OutlineB"))->setChecked(m_preview->OutlineVisible());
  Control(QStringLiteral("ThumbB"))->setChecked(m_preview->ThumbnailVisible());
  RefreshControls();
  UpdatePageStatus(m_preview->PageNo());
}

void PreviewForm::UpdateCaption()
{
  const QString name = m_report.ReportOptions.Name;
  setWindowTitle(name.isEmpty() ? tr("Preview") : name);
}

void PreviewForm::RefreshControls()
{
  const bool running = m_preview->Running();
  const bool output = !running && m_preview->PageCount() > 0;
  for (const char* name : {"PrintB", "OpenB", "SaveB", "ExportB", "PdfB", "EmailB", "FindB", "PageSettingsB"})
    Control(QString::fromLatin1(name))->setEnabled(output);
  Control(QStringLiteral("DesignerB"))->setEnabled(!running && m_report.PreviewOptions.AllowEdit);
  Control(QStringLiteral("CancelB"))->setText(running ? tr("Cancel") : tr("Close"));
  if (!running)
    m_panels[1]->clear();
}

void PreviewForm::UpdatePageStatus(int pageNo)
{
  if (m_preview->InFirstPass())
    m_panels[0]->setText(tr("First pass: page ") + QString::number(m_preview->PageCount()));
  else
    m_panels[0]->setText(QString::asprintf(qPrintable(tr("Page %d of %d")), pageNo, m_preview->PageCount()));
  m_pageEdit->setText(QString::number(pageNo));
}

void PreviewForm::ShowZoom(double zoom)
{
  m_zoomList->setEditText(ZoomText(zoom));
}

bool PreviewForm::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == m_zoomList->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunShowingErrors([this] { ApplyZoomText(m_zoomList->currentText()); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void PreviewForm::ApplyZoomText(const QString& text)
{
  // The list also reports its own text when it loses the focus: the zoom it
  // already shows is not applied again, so the view stays where it is.
  if (m_preview->ZoomMode() == ZoomMode::Default && text == ZoomText(m_preview->Zoom()))
    return;
  if (text == tr("Page width")) {
    m_preview->SetZoomMode(ZoomMode::PageWidth);
  } else if (text == tr("Whole page")) {
    m_preview->SetZoomMode(ZoomMode::WholePage);
  } else if (const std::optional<double> zoom = ParseZoomText(text)) {
    m_preview->SetZoom(*zoom);
  }
  ShowZoom(m_preview->Zoom());
  m_preview->setFocus();
}

void PreviewForm::Find()
{
  if (m_preview->Running() || m_preview->PageCount() == 0)
    return;
  FindDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  if (!m_preview->FindText(dialog.Text(), dialog.FromBeginning(), dialog.CaseSensitive()))
    QMessageBox::information(this, windowTitle(), tr("Text not found"));
}

void PreviewForm::FindNext()
{
  if (!m_preview->AllowF3())
    return;
  if (!m_preview->FindNext())
    QMessageBox::information(this, windowTitle(), tr("Text not found"));
}

void PreviewForm::Save()
{
  if (m_preview->Running())
    return;
  QFileDialog dialog(this);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(PreparedReportFilter());
  dialog.setDefaultSuffix(QStringLiteral("fp3"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return;
  const QFileInfo chosen(dialog.selectedFiles().constFirst());
  m_preview->SaveToFile(chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral(".fp3")));
}

void PreviewForm::Open()
{
  if (m_preview->Running())
    return;
  QFileDialog dialog(this);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(PreparedReportFilter());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return;
  m_preview->LoadFromFile(dialog.selectedFiles().constFirst());
  UpdateCaption();
}

void PreviewForm::ExportWith(CustomExportFilter& filter)
{
  m_preview->Export(filter);
}

void PreviewForm::Print()
{
  m_preview->Print();
}

void PreviewForm::ToggleFullScreen()
{
  m_fullScreen = !m_fullScreen;
  m_toolBar->setVisible(!m_fullScreen);
  findChild<QStatusBar*>()->setVisible(!m_fullScreen);
  if (m_fullScreen) {
    m_stateBeforeFullScreen = windowState();
    setWindowState(Qt::WindowFullScreen);
  } else {
    setWindowState(m_stateBeforeFullScreen);
  }
}

void PreviewForm::reject()
{
  // Close and Esc stop a running preparation instead of closing.
  if (m_preview->Running()) {
    m_preview->Cancel();
    return;
  }
  QDialog::reject();
}

void PreviewForm::closeEvent(QCloseEvent* event)
{
  if (m_preview->Running()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void PreviewForm::resizeEvent(QResizeEvent* event)
{
  QDialog::resizeEvent(event);
  if (m_preview->ZoomMode() == ZoomMode::PageWidth || m_preview->ZoomMode() == ZoomMode::WholePage)
    m_preview->LayoutPages();
}

void PreviewForm::contextMenuEvent(QContextMenuEvent* event)
{
  // The toolbar's first two groups, each button under its hint.
  QMenu menu(this);
  int separators = 0;
  for (QAction* action : m_toolBar->actions()) {
    if (action->isSeparator()) {
      if (++separators == 2)
        break;
      if (action->isVisible())
        menu.addSeparator();
      continue;
    }
    if (!action->isVisible() || action->isCheckable() || action->toolTip().isEmpty() ||
        m_toolBar->widgetForAction(action)->inherits("QComboBox"))
      continue;
    QAction* item = menu.addAction(action->icon(), action->toolTip());
    item->setEnabled(action->isEnabled());
    if (action->menu())
      item->setMenu(action->menu());
    else
      connect(item, &QAction::triggered, action, &QAction::trigger);
  }
  menu.exec(event->globalPos());
}

void PreviewForm::RunShowingErrors(const std::function<void()>& handler)
{
  try {
    handler();
  } catch (const ReportError& error) {
    QMessageBox::critical(this, windowTitle(), error.Message());
  } catch (const std::exception& error) {
    QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
  }
}

}  // namespace quitanza::report
