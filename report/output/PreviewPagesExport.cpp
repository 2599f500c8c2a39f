#include "report/output/PreviewPagesExport.h"

#include "report/expressions/ExpressionExpander.h"
#include "report/model/Class.h"
#include "report/model/PageSource.h"
#include "report/output/ExportFilter.h"
#include "report/output/ParsePageNumbers.h"
#include "report/text/TextEngine.h"

#include <exception>
#include <vector>

namespace quitanza::report {

using namespace platform;

namespace {

bool IsDataBand(const Component* component) {
  static const QStringList dataBands{QStringLiteral("TfrxMasterData"), QStringLiteral("TfrxDetailData"),
                                     QStringLiteral("TfrxSubdetailData"), QStringLiteral("TfrxDataBand4"),
                                     QStringLiteral("TfrxDataBand5"), QStringLiteral("TfrxDataBand6")};
  return component && dataBands.contains(component->ClassName());
}

// The width an AutoWidth memo takes from its text, keeping its right edge
// (right-aligned) or its centre (centred) in place.
void SettleAutoWidth(CustomMemoView& memo) {
  TextEngine& engine = SharedDrawText();
  engine.Lock();
  struct Unlock {
    TextEngine& engine;
    ~Unlock() { engine.Unlock(); }
  } unlock{engine};
  engine.SetFont(memo.Highlight.Active ? memo.Highlight.Font : memo.Font());
  engine.SetOptions(memo.WordWrap, memo.AllowHTMLTags, memo.RTLReading, memo.WordBreak, memo.Clipped, memo.Wysiwyg,
                    memo.Rotation);
  engine.SetGaps(double(memo.ParagraphGap), double(memo.CharSpacing), double(memo.LineSpacing));
  const Rect unbounded{0, 0, 10000, 10000};
  engine.SetDimensions(1, 1, 1, unbounded, unbounded);
  engine.SetText(memo.Lines());
  const Frame& frame = memo.Frame;
  const long double frameWidth = frame.Width();
  long double width = engine.CalcWidth() + 2 * memo.GapX;
  if (frame.Typ & FrameType::Left)
    width += (frameWidth - 1) / 2;
  if (frame.Typ & FrameType::Right)
    width += frameWidth / 2;
  if (frame.DropShadow)
    width += frame.ShadowWidth;
  if (memo.HAlign == HAlign::Right)
    memo.SetLeft(memo.Left() + memo.Width() - width);
  else if (memo.HAlign == HAlign::Center)
    memo.SetLeft(memo.Left() + (memo.Width() - width) / 2);
  memo.SetWidth(width);
}

class PagesExport {
public:
  PagesExport(PageSource& pages, CustomExportFilter& filter, const ExportContext& context,
              bool& terminated)
      : m_pages(pages), m_filter(filter), m_context(context), m_terminated(terminated) {}

  void Run();

private:
  void ExportPage(int index);
  void ExportObject(report::Component& object);
  void PrepareMemo(CustomMemoView& memo);
  bool Skipped(const report::Component& object, int index) const;
  void ClosePage();

  PageSource& m_pages;
  CustomExportFilter& m_filter;
  const ExportContext& m_context;
  bool& m_terminated;
  ExportProgress* m_progress = nullptr;
  int m_count = 0;
  report::ReportPage* m_openPage = nullptr;
  int m_openIndex = -1;
};

void PagesExport::Run() {
  m_count = m_pages.Count();
  const QList<int> selection = ParsePageNumbers(m_filter.PageNumbers, m_count);
  std::vector<bool> selected(std::size_t(m_count), selection.isEmpty());
  for (int number : selection) {
    if (number >= 1 && number <= m_count)
      selected[std::size_t(number - 1)] = true;
  }
  if (m_filter.OnBeginExport)
    m_filter.OnBeginExport(m_filter);
  if (!m_filter.Start())
    return;
  const bool reportShowsProgress = !m_context.Report || m_context.Report->ShowProgress;
  if (m_context.Progress && m_filter.ShowProgress && reportShowsProgress) {
    m_progress = m_context.Progress;
    m_progress->Start();
  }
  std::exception_ptr error;
  try {
    for (int i = 0; i < m_count; ++i) {
      if (selected[std::size_t(i)])
        ExportPage(i);
      if (m_context.ProcessMessages)
        m_context.ProcessMessages();
    }
  } catch (...) {
    error = std::current_exception();
  }
  // Whatever happened, the document is completed with what was exported.
  const auto keepFirst = [&error] {
    if (!error)
      error = std::current_exception();
  };
  try {
    ClosePage();
  } catch (...) {
    keepFirst();
  }
  if (m_progress)
    m_progress->Stop();
  try {
    m_filter.Finish();
  } catch (...) {
    keepFirst();
  }
  if (error)
    std::rethrow_exception(error);
}

void PagesExport::ExportPage(int index) {
  report::ReportPage* page = m_pages.GetPage(index);
  if (!page)
    return;
  if (m_progress && m_progress->Progress(ExportProgress::ptExporting, index + 1,
                                         QStringLiteral("Exporting page %1").arg(index + 1)))
    m_terminated = true;
  m_filter.StartPage(*page, index);
  m_openPage = page;
  m_openIndex = index;
  const bool mirrored = page->MirrorMargins && index % 2 == 1;
  page->SetLeft((mirrored ? page->RightMargin : page->LeftMargin) * fr1mm);
  page->SetTop(page->TopMargin * fr1mm);

  report::PictureView background;
  background.SetName(QStringLiteral("_pagebackground"));
  const report::PictureView& source = page->BackPicture();
  background.Color = source.Color;
  background.Frame = source.Frame;
  background.SetPicture(source.Picture());
  background.Stretched = true;
  background.KeepAspectRatio = false;
  background.SetBounds(page->Left(), page->Top(), page->Width() - (page->LeftMargin + page->RightMargin) * fr1mm,
                       page->Height() - (page->TopMargin + page->BottomMargin) * fr1mm);
  ExportObject(background);

  for (report::Component* object : page->Objects()) {
    if (Skipped(*object, index))
      continue;
    ExportObject(*object);
    for (report::Component* child : object->Objects())
      ExportObject(*child);
  }
  ClosePage();
}

bool PagesExport::Skipped(const report::Component& object, int index) const {
  if (!m_filter.SuppressPageHeadersFooters)
    return false;
  const QString kind = object.ClassName();
  return (kind == QLatin1String("TfrxPageHeader") && index != 0) ||
         (kind == QLatin1String("TfrxPageFooter") && index != m_count - 1);
}

void PagesExport::ClosePage() {
  if (!m_openPage)
    return;
  report::ReportPage* page = std::exchange(m_openPage, nullptr);
  struct Restore {
    report::ReportPage* page;
    ~Restore() {
      page->SetLeft(0);
      page->SetTop(0);
    }
  } restore{page};
  m_filter.FinishPage(*page, m_openIndex);
}

void PagesExport::ExportObject(report::Component& object) {
  if (m_filter.DataOnly && !IsDataBand(object.Parent()))
    return;
  if (auto* memo = dynamic_cast<CustomMemoView*>(&object))
    PrepareMemo(*memo);
  m_filter.ExportObject(object);
  if (m_terminated)
    throw ExportTerminated();
}

void PagesExport::PrepareMemo(CustomMemoView& memo) {
  if (memo.AllowExpressions) {
    QStringList lines = memo.Lines();
    bool changed = false;
    for (QString& line : lines) {
      if (!line.contains(u'['))
        continue;
      const QString expanded = ExtractMacros(line, m_count, QString());
      changed = changed || expanded != line;
      line = expanded;
    }
    if (changed)
      memo.SetLines(lines);
  }
  if (memo.AutoWidth)
    SettleAutoWidth(memo);
}

}  // namespace

bool ExportPreviewPages(PageSource& pages, CustomExportFilter* filter,
                        const ExportContext& context) {
  if (!filter)
    return false;
  filter->CreationTime = QDateTime::currentDateTime();
  filter->Report = context.Report;
  if (filter->ShowDialog && filter->ShowModal() != ModalResult::Ok)
    return false;
  if (filter->CurPage)
    filter->PageNumbers = QString::number(context.CurPreviewPage > 0 ? context.CurPreviewPage : 1);
  bool unreported = false;
  bool& terminated = context.Report ? context.Report->Terminated : unreported;
  terminated = false;
  try {
    PagesExport(pages, *filter, context, terminated).Run();
    return true;
  } catch (const ExportTerminated&) {
    return true;
  } catch (const std::exception& error) {
    if (!context.Report)
      throw;
    const auto* reportError = dynamic_cast<const ReportError*>(&error);
    context.Report->Errors.Add(reportError ? reportError->Message() : QString::fromUtf8(error.what()));
    context.Report->ReportErrors();
    return false;
  }
}

}  // namespace quitanza::report
