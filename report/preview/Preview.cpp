#include "report/preview/Preview.h"

#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/model/Engine.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"
#include "report/model/View.h"
#include "report/output/ExportPDF.h"
#include "report/output/PreviewPagesExport.h"
#include "report/preview/ExportProgressWindow.h"
#include "report/preview/PdfExportDialog.h"
#include "report/preview/PreviewPrintHandler.h"
#include "report/preview/PreviewWorkspace.h"
#include "report/preview/TextSearch.h"
#include "report/preview/ZoomText.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QToolTip>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace quitanza::report {

std::function<void(Report& report, QWidget* parent)> PreviewPrintHandler;

namespace {

// Pages laid out at once while preparing; later ones at the refresh period.
constexpr int kPagesLaidOutAtOnce = 50;
constexpr double kWheelZoomStep = 0.1;
constexpr double kWheelZoomFloor = 0.3;
// Room the page layout leaves beside the pages.
constexpr int kLayoutMargin = 26;

// The refresh period from the time the first page took: fast pages are
// shown in larger groups.
int RefreshPeriod(qint64 firstPageMs)
{
  if (firstPageMs <= 4)
    return 50;
  if (firstPageMs > 9)
    return 5;
  return 20;
}

enum OutlineRole { PageRole = Qt::UserRole, TopRole };

// Painting stays suspended while the page store changes, however the change ends.
class LockScope {
public:
  explicit LockScope(Preview& preview) : m_preview(preview) { m_preview.Lock(); }
  ~LockScope() { m_preview.Unlock(); }
  LockScope(const LockScope&) = delete;
  LockScope& operator=(const LockScope&) = delete;

private:
  Preview& m_preview;
};

}  // namespace

Preview::Preview(QWidget* parent)
    : QWidget(parent),
      m_workspace(new PreviewWorkspace(false)),
      m_thumbnail(new PreviewWorkspace(true)),
      m_outline(new QTreeWidget),
      m_splitter(new QSplitter(Qt::Horizontal)),
      m_messagePanel(new QFrame(this)),
      m_messageLabel(new QLabel)
{
  m_outline->setHeaderHidden(true);
  m_outline->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* collapse = new QAction(tr("Collapse all"), m_outline);
  auto* expand = new QAction(tr("Expand all"), m_outline);
  connect(collapse, &QAction::triggered, m_outline, &QTreeWidget::collapseAll);
  connect(expand, &QAction::triggered, m_outline, &QTreeWidget::expandAll);
  m_outline->addActions({collapse, expand});
  m_outline->hide();
  m_thumbnail->hide();
  auto* side = new QWidget;
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->setSpacing(0);
  sideLayout->addWidget(m_outline);
  sideLayout->addWidget(m_thumbnail);
  side->hide();
  m_splitter->addWidget(side);
  m_splitter->addWidget(m_workspace);
  m_splitter->setHandleWidth(4);
  m_splitter->setStretchFactor(1, 1);
  m_splitter->setChildrenCollapsible(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_splitter);

  m_messagePanel->setFrameShape(QFrame::Panel);
  m_messagePanel->setFrameShadow(QFrame::Raised);
  m_messagePanel->setAutoFillBackground(true);
  m_messagePanel->setFixedSize(260, 75);
  auto* messageLayout = new QVBoxLayout(m_messagePanel);
  m_messageLabel->setAlignment(Qt::AlignCenter);
  messageLayout->addWidget(m_messageLabel);
  m_messagePanel->hide();

  connect(m_workspace, &PreviewWorkspace::TopPageChanged, this, &Preview::MakeCurrent);
  connect(m_workspace, &PreviewWorkspace::PageClicked, this, &Preview::MakeCurrent);
  connect(m_workspace, &PreviewWorkspace::ZoomWheel, this, &Preview::ZoomWheel);
  connect(m_workspace, &PreviewWorkspace::NavigationKey, this, &Preview::NavigationKey);
  connect(m_workspace, &PreviewWorkspace::Hovered, this, &Preview::Hover);
  connect(m_workspace, &PreviewWorkspace::Clicked, this, &Preview::FollowLink);
  connect(m_thumbnail, &PreviewWorkspace::PageClicked, this, [this](int index) { SetPageNo(index + 1); });
  connect(m_outline, &QTreeWidget::itemClicked, this, &Preview::OutlineClicked);
  setFocusProxy(m_workspace);
}

Preview::~Preview()
{
  DetachReport();
}

void Preview::DetachReport()
{
  if (m_report && m_report->Preview == this)
    m_report->Preview = nullptr;
  m_report = nullptr;
}

PreviewPages& Preview::Pages() const
{
  return m_report->PreviewPages();
}

int Preview::PageCount() const
{
  return m_report ? Pages().Count() : 0;
}

void Preview::Init(Report& report)
{
  DetachReport();
  m_report = &report;
  report.Preview = this;
  m_workspace->SetPages(&Pages());
  m_thumbnail->SetPages(&Pages());
  TextSearch::Global().Clear();
  m_allowF3 = false;
  const PreviewOptions& options = report.PreviewOptions;
  m_splitter->setSizes({options.OutlineWidth, std::max(1, width() - options.OutlineWidth)});
  SetOutlineVisible(options.OutlineVisible);
  SetThumbnailVisible(options.ThumbnailVisible);
  m_zoomMode = options.ZoomMode;
  m_workspace->SetZoom(std::max(kMinZoom, static_cast<double>(options.Zoom)));
  m_pageNo = 1;
  LayoutPages();
  FillOutline();
  SetPageNo(1);
}

bool Preview::InFirstPass() const
{
  return m_running && m_report && m_report->EngineOptions.DoublePass && !m_report->Engine().FinalPass;
}

void Preview::SetPageNo(int pageNo)
{
  pageNo = std::clamp(pageNo, 1, std::max(1, PageCount()));
  m_pageNo = pageNo;
  m_workspace->SetPageIndex(pageNo - 1);
  m_workspace->ScrollToPage(pageNo - 1);
  m_thumbnail->SetPageIndex(pageNo - 1);
  if (m_thumbnail->isVisible())
    m_thumbnail->ScrollToPage(pageNo - 1);
  Q_EMIT PageChanged(m_pageNo);
}

void Preview::MakeCurrent(int index)
{
  if (index < 0 || index >= PageCount())
    return;
  m_pageNo = index + 1;
  m_workspace->SetPageIndex(index);
  m_thumbnail->SetPageIndex(index);
  Q_EMIT PageChanged(m_pageNo);
}

double Preview::Zoom() const
{
  return m_workspace->Zoom();
}

void Preview::SetZoom(double zoom)
{
  m_zoomMode = report::ZoomMode::Default;
  m_workspace->SetZoom(std::max(kMinZoom, zoom));
  LayoutPages();
  m_workspace->ScrollToPage(m_pageNo - 1);
}

void Preview::SetZoomMode(report::ZoomMode mode)
{
  m_zoomMode = mode;
  LayoutPages();
}

void Preview::ZoomWheel(int notches)
{
  double zoom = Zoom() + kWheelZoomStep * notches;
  if (zoom < kWheelZoomFloor)
    zoom = std::min(Zoom(), kWheelZoomFloor);
  SetZoom(zoom);
}

void Preview::NavigationKey(int key, bool)
{
  switch (key) {
  case Qt::Key_PageUp:
    Prior();
    break;
  case Qt::Key_PageDown:
    Next();
    break;
  case Qt::Key_Home:
    First();
    break;
  case Qt::Key_End:
    Last();
    break;
  default:
    break;
  }
}

void Preview::LayoutPages()
{
  const int count = PageCount();
  if (m_lockCount > 0 || count == 0)
    return;
  m_allowF3 = false;
  m_workspace->SetShowFound(false);
  const QSize size = Pages().GetPageSize(m_pageNo - 1);
  const int scrollBar = m_workspace->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QSize client = m_workspace->viewport()->size();
  if (size.width() > 0 && size.height() > 0) {
    const double w = size.width();
    const double h = size.height();
    if (m_zoomMode == report::ZoomMode::WholePage) {
      if (h / client.height() >= w / client.width())
        m_workspace->SetZoom((m_workspace->height() - kLayoutMargin) / h);
      else
        m_workspace->SetZoom((m_workspace->width() - scrollBar - kLayoutMargin) / w);
    } else if (m_zoomMode == report::ZoomMode::PageWidth) {
      m_workspace->SetZoom((m_workspace->width() - scrollBar - kLayoutMargin) / w);
    }
  }
  // While preparing, only the pages already finished are laid out.
  m_workspace->RebuildPageList(m_running ? m_workspace->LaidOutPages() : count);
  m_workspace->CalcBounds();
  if (!m_running) {
    m_thumbnail->RebuildPageList(count);
    m_thumbnail->CalcBounds();
  }
  if (m_zoomMode == report::ZoomMode::WholePage)
    m_workspace->ScrollToPage(m_pageNo - 1);
  Q_EMIT ZoomChanged(Zoom());
}

bool Preview::FindText(const QString& text, bool fromTop, bool caseSensitive)
{
  if (!m_report || m_running)
    return false;
  TextSearch& search = TextSearch::Global();
  search.Start(text, caseSensitive);
  const bool found = search.SearchPages(Pages(), fromTop ? 0 : m_pageNo - 1);
  m_allowF3 = true;
  if (found) {
    const int index = search.FoundPage();
    SetPageNo(index + 1);
    const QRect page = m_workspace->PageBounds(index);
    const QRect rect = search.FoundRect();
    const double zoom = Zoom();
    m_workspace->ScrollIntoView(QRect(page.left() + static_cast<int>(rect.left() * zoom),
                                      page.top() + static_cast<int>(rect.top() * zoom),
                                      static_cast<int>(rect.width() * zoom), static_cast<int>(rect.height() * zoom)));
  }
  m_workspace->SetShowFound(found);
  return found;
}

bool Preview::FindNext()
{
  TextSearch& search = TextSearch::Global();
  if (!m_allowF3 || !m_report || m_running)
    return false;
  const bool found = search.SearchPages(Pages(), std::max(0, search.FoundPage()));
  if (found)
    SetPageNo(search.FoundPage() + 1);
  m_workspace->SetShowFound(found);
  m_allowF3 = true;
  return found;
}

void Preview::SaveToFile(const QString& fileName)
{
  if (!m_report || m_running)
    return;
  const LockScope lock(*this);
  ShowMessage(tr("Saving file..."));
  Pages().SaveToFile(fileName);
}

bool Preview::LoadFromFile(const QString& fileName)
{
  if (!m_report || m_running)
    return false;
  bool loaded = false;
  {
    const LockScope lock(*this);
    ShowMessage(tr("Loading file..."));
    loaded = Pages().LoadFromFile(fileName);
  }
  TextSearch::Global().Clear();
  m_pageNo = 1;
  LayoutPages();
  SetPageNo(1);
  FillOutline();
  Q_EMIT StateChanged();
  return loaded;
}

bool Preview::Export(CustomExportFilter& filter)
{
  if (!m_report || m_running)
    return false;
  Pages().CurPreviewPage = m_pageNo;
  // The PDF filter asks through the export dialogs unless the program has
  // given it dialogs of its own.
  auto* pdf = dynamic_cast<PDFExport*>(&filter);
  const bool ownDialog = pdf && !pdf->OnShowDialog;
  if (ownDialog)
    pdf->OnShowDialog = [this](PDFExport& export_) { return RunPdfExportDialogs(export_, window()); };
  // Takes the dialogs off the filter again when the run ends, however it ends.
  const std::unique_ptr<PDFExport, void (*)(PDFExport*)> dialogs(ownDialog ? pdf : nullptr,
                                                                 [](PDFExport* filter) { filter->OnShowDialog = nullptr; });
  const LockScope lock(*this);
  ExportProgressWindow progress(window());
  ExportContext context;
  context.Report = m_report;
  context.CurPreviewPage = m_pageNo;
  context.Progress = &progress;
  context.ProcessMessages = [] { QCoreApplication::processEvents(); };
  return ExportPreviewPages(Pages(), &filter, context);
}

void Preview::Print()
{
  if (!m_report || m_running)
    return;
  if (!PreviewPrintHandler)
    throw ReportError(tr("Printing is not available in this program"));
  Pages().CurPreviewPage = m_pageNo;
  PreviewPrintHandler(*m_report, window());
  window()->setEnabled(true);
}

void Preview::RefreshReport()
{
  if (!m_report || m_running)
    return;
  const int pageNo = m_pageNo;
  const QPoint offset = m_workspace->Offset();
  m_report->PrepareReport(true);
  m_running = false;
  LayoutPages();
  if (pageNo <= PageCount()) {
    MakeCurrent(pageNo - 1);
    m_workspace->SetOffset(offset);
  } else {
    SetPageNo(1);
  }
}

void Preview::Cancel()
{
  if (m_running && m_report) {
    m_cancelled = true;
    m_report->Terminated = true;
  }
}

void Preview::Lock()
{
  ++m_lockCount;
  m_workspace->SetLocked(true);
}

void Preview::Unlock()
{
  m_lockCount = std::max(0, m_lockCount - 1);
  if (m_lockCount > 0)
    return;
  m_workspace->SetLocked(false);
  HideMessage();
  LayoutPages();
}

void Preview::ShowMessage(const QString& text)
{
  m_messageLabel->setText(text);
  m_messagePanel->move((width() - m_messagePanel->width()) / 2, (height() - m_messagePanel->height()) / 2);
  m_messagePanel->show();
  m_messagePanel->raise();
  m_messagePanel->repaint();
}

void Preview::HideMessage()
{
  m_messagePanel->hide();
}

void Preview::ShowSidePanel()
{
  QWidget* side = m_splitter->widget(0);
  side->setVisible(m_outline->isVisibleTo(side) || m_thumbnail->isVisibleTo(side));
}

void Preview::SetOutlineVisible(bool visible)
{
  m_outline->setVisible(visible);
  if (visible)
    m_thumbnail->hide();
  ShowSidePanel();
}

bool Preview::OutlineVisible() const
{
  return !m_outline->isHidden();
}

void Preview::SetThumbnailVisible(bool visible)
{
  m_thumbnail->setVisible(visible);
  if (visible) {
    m_outline->hide();
    m_thumbnail->RebuildPageList(m_running ? 0 : PageCount());
    m_thumbnail->CalcBounds();
    m_thumbnail->ScrollToPage(m_pageNo - 1);
  }
  ShowSidePanel();
}

bool Preview::ThumbnailVisible() const
{
  return !m_thumbnail->isHidden();
}

void Preview::FillOutline()
{
  m_outline->clear();
  if (!m_report)
    return;
  const XMLItem& root = Pages().XMLDoc().Root();
  for (int i = 0; i < root.Count(); ++i) {
    if (root[i].Name.compare(u"outline", Qt::CaseInsensitive) == 0)
      AddOutlineItems(nullptr, root[i]);
  }
  if (m_report->PreviewOptions.OutlineExpand)
    m_outline->expandAll();
}

void Preview::AddOutlineItems(QTreeWidgetItem* parent, const XMLItem& item)
{
  for (int i = 0; i < item.Count(); ++i) {
    const XMLItem& child = item[i];
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_outline);
    node->setText(0, child.Prop("text"));
    node->setData(0, PageRole, child.Prop("page").toInt());
    node->setData(0, TopRole, child.Prop("top").toInt());
    AddOutlineItems(node, child);
  }
}

void Preview::OutlineClicked(QTreeWidgetItem* item)
{
  const int page = item->data(0, PageRole).toInt();
  SetPageNo(page + 1);
  m_workspace->ScrollToPage(page, static_cast<int>(item->data(0, TopRole).toInt() * Zoom()));
}

// ---------------------------------------------------------------- links

const View* Preview::ObjectAt(QPoint workspacePoint) const
{
  const int index = m_workspace->PageAt(workspacePoint);
  ReportPage* page = index >= 0 ? Pages().GetPage(index) : nullptr;
  if (!page)
    return nullptr;
  // In report pixels from the printable area's corner, where objects are placed.
  const QPoint corner = m_workspace->PageBounds(index).topLeft();
  const long double x = (workspacePoint.x() - corner.x()) / Zoom() - page->LeftMargin * fr1mm;
  const long double y = (workspacePoint.y() - corner.y()) / Zoom() - page->TopMargin * fr1mm;
  const std::vector<Component*> objects = page->AllObjects();
  for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
    const auto* view = dynamic_cast<const View*>(*object);
    if (view && x >= view->AbsLeft() && x < view->AbsLeft() + view->Width() && y >= view->AbsTop() &&
        y < view->AbsTop() + view->Height())
      return view;
  }
  return nullptr;
}

// A hint is "short|long": the short part is the tooltip, the long part goes
// to the status bar; without a bar both are the whole text.
void Preview::Hover(QPoint workspacePoint)
{
  const View* object = ObjectAt(workspacePoint);
  const QString link = object ? object->URL : QString();
  const QString hint = object && object->ShowHint ? object->Hint : QString();
  if (link == m_hoveredLink && hint == m_hoveredHint)
    return;
  m_hoveredLink = link;
  m_hoveredHint = hint;
  if (link.isEmpty())
    m_workspace->viewport()->unsetCursor();
  else
    m_workspace->viewport()->setCursor(Qt::PointingHandCursor);
  const qsizetype bar = hint.indexOf(u'|');
  const QString shortHint = bar < 0 ? hint : hint.first(bar);
  const QString longHint = bar < 0 ? hint : hint.sliced(bar + 1);
  if (shortHint.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(m_workspace->viewport()->mapToGlobal(workspacePoint - m_workspace->Offset()), shortHint,
                       m_workspace->viewport());
  Q_EMIT ObjectHovered(link, longHint);
}

void Preview::FollowLink(QPoint workspacePoint)
{
  const View* object = ObjectAt(workspacePoint);
  const QString link = object ? object->URL : QString();
  if (link.isEmpty())
    return;
  if (link.startsWith(QLatin1Char('@'))) {
    SetPageNo(link.mid(1).toInt());
  } else if (link.startsWith(QLatin1Char('#'))) {
    // Anchors are not kept by the page store of this program: nothing to go to.
  } else if (!QDesktopServices::openUrl(QUrl::fromUserInput(link))) {
    QMessageBox::warning(window(), window()->windowTitle(), tr("Cannot open %1").arg(link));
  }
}

// ---------------------------------------------------------------- preparation

void Preview::OnProgressStart(Report&, int kind)
{
  if (kind != 0)
    return;
  m_running = true;
  m_cancelled = false;
  m_workspace->RebuildPageList(0);
  m_workspace->CalcBounds();
  m_thumbnail->RebuildPageList(0);
  m_thumbnail->CalcBounds();
  Q_EMIT StateChanged();
}

void Preview::OnProgress(Report&, int kind, int progress)
{
  if (kind != 0 || InFirstPass())
    return;
  // The page numbered `progress` has just begun: those before it are complete.
  const int index = progress - 1;
  if (index <= kPagesLaidOutAtOnce)
    for (int page = m_workspace->LaidOutPages(); page < index; ++page)
      m_workspace->AddPage(page);
  if (index == 0) {
    m_firstPageTime.start();
    Q_EMIT StateChanged();
  } else if (index == 1) {
    m_refreshPeriod = RefreshPeriod(m_firstPageTime.elapsed());
    m_workspace->CalcBounds();
    SetPageNo(1);
  } else if (index % m_refreshPeriod == 0) {
    for (int page = m_workspace->LaidOutPages(); page < index; ++page)
      m_workspace->AddPage(page);
    m_workspace->CalcBounds();
    Q_EMIT PageChanged(m_pageNo);
  } else if (index <= kPagesLaidOutAtOnce) {
    m_workspace->CalcBounds();
  }
}

void Preview::OnProgressStop(Report&, int kind)
{
  if (kind != 0)
    return;
  m_running = false;
  LayoutPages();
  if (PageCount() > 0 && m_pageNo <= 1)
    SetPageNo(1);
  FillOutline();
  Q_EMIT StateChanged();
  Q_EMIT PageChanged(m_pageNo);
}

void Preview::Close()
{
  // The operator's Cancel keeps the window with the pages made so far.
  if (!m_cancelled)
    Q_EMIT CloseRequested();
}

}  // namespace quitanza::report
