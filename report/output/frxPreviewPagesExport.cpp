#include "report/output/frxPreviewPagesExport.h"

#include "report/expressions/frxExpressionMacros.h"
#include "report/model/frxClass.h"
#include "report/model/frxPageSource.h"
#include "report/output/ParsePageNumbers.h"
#include "report/output/frxExportFilter.h"
#include "report/text/frxGraphicUtils.h"

#include <exception>
#include <vector>

using namespace quitanza::platform;

namespace {

bool IsDataBand(const TfrxComponent* component) {
  static const QStringList dataBands{QStringLiteral("TfrxMasterData"), QStringLiteral("TfrxDetailData"),
                                     QStringLiteral("TfrxSubdetailData"), QStringLiteral("TfrxDataBand4"),
                                     QStringLiteral("TfrxDataBand5"), QStringLiteral("TfrxDataBand6")};
  return component && dataBands.contains(component->ClassName());
}

// The width an AutoWidth memo takes from its text, keeping its right edge
// (right-aligned) or its centre (centred) in place.
void SettleAutoWidth(TfrxCustomMemoView& memo) {
  TfrxDrawText& engine = frxDrawText();
  engine.Lock();
  struct Unlock {
    TfrxDrawText& engine;
    ~Unlock() { engine.Unlock(); }
  } unlock{engine};
  engine.SetFont(memo.Highlight.Active ? memo.Highlight.Font : memo.Font());
  engine.SetOptions(memo.WordWrap, memo.AllowHTMLTags, memo.RTLReading, memo.WordBreak, memo.Clipped, memo.Wysiwyg,
                    memo.Rotation);
  engine.SetGaps(double(memo.ParagraphGap), double(memo.CharSpacing), double(memo.LineSpacing));
  const Rect unbounded{0, 0, 10000, 10000};
  engine.SetDimensions(1, 1, 1, unbounded, unbounded);
  engine.SetText(memo.Lines());
  const TfrxFrame& frame = memo.Frame;
  const long double frameWidth = frame.Width();
  long double width = engine.CalcWidth() + 2 * memo.GapX;
  if (frame.Typ & ftLeft)
    width += (frameWidth - 1) / 2;
  if (frame.Typ & ftRight)
    width += frameWidth / 2;
  if (frame.DropShadow)
    width += frame.ShadowWidth;
  if (memo.HAlign == haRight)
    memo.SetLeft(memo.Left() + memo.Width() - width);
  else if (memo.HAlign == haCenter)
    memo.SetLeft(memo.Left() + (memo.Width() - width) / 2);
  memo.SetWidth(width);
}

class PagesExport {
public:
  PagesExport(TfrxPageSource& pages, TfrxCustomExportFilter& filter, const TfrxExportContext& context,
              bool& terminated)
      : FPages(pages), FFilter(filter), FContext(context), FTerminated(terminated) {}

  void Run();

private:
  void ExportPage(int index);
  void ExportObject(TfrxComponent& object);
  void PrepareMemo(TfrxCustomMemoView& memo);
  bool Skipped(const TfrxComponent& object, int index) const;
  void ClosePage();

  TfrxPageSource& FPages;
  TfrxCustomExportFilter& FFilter;
  const TfrxExportContext& FContext;
  bool& FTerminated;
  TfrxExportProgress* FProgress = nullptr;
  int FCount = 0;
  TfrxReportPage* FOpenPage = nullptr;
  int FOpenIndex = -1;
};

void PagesExport::Run() {
  FCount = FPages.Count();
  const QList<int> selection = ParsePageNumbers(FFilter.PageNumbers, FCount);
  std::vector<bool> selected(std::size_t(FCount), selection.isEmpty());
  for (int number : selection) {
    if (number >= 1 && number <= FCount)
      selected[std::size_t(number - 1)] = true;
  }
  if (FFilter.OnBeginExport)
    FFilter.OnBeginExport(FFilter);
  if (!FFilter.Start())
    return;
  const bool reportShowsProgress = !FContext.Report || FContext.Report->ShowProgress;
  if (FContext.Progress && FFilter.ShowProgress && reportShowsProgress) {
    FProgress = FContext.Progress;
    FProgress->Start();
  }
  std::exception_ptr error;
  try {
    for (int i = 0; i < FCount; ++i) {
      if (selected[std::size_t(i)])
        ExportPage(i);
      if (FContext.ProcessMessages)
        FContext.ProcessMessages();
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
  if (FProgress)
    FProgress->Stop();
  try {
    FFilter.Finish();
  } catch (...) {
    keepFirst();
  }
  if (error)
    std::rethrow_exception(error);
}

void PagesExport::ExportPage(int index) {
  TfrxReportPage* page = FPages.GetPage(index);
  if (!page)
    return;
  if (FProgress && FProgress->Progress(TfrxExportProgress::ptExporting, index + 1,
                                       QStringLiteral("Exporting page %1").arg(index + 1)))
    FTerminated = true;
  FFilter.StartPage(*page, index);
  FOpenPage = page;
  FOpenIndex = index;
  const bool mirrored = page->MirrorMargins && index % 2 == 1;
  page->SetLeft((mirrored ? page->RightMargin : page->LeftMargin) * fr1mm);
  page->SetTop(page->TopMargin * fr1mm);

  TfrxPictureView background;
  background.SetName(QStringLiteral("_pagebackground"));
  const TfrxPictureView& source = page->BackPicture();
  background.Color = source.Color;
  background.Frame = source.Frame;
  background.SetPicture(source.Picture());
  background.Stretched = true;
  background.KeepAspectRatio = false;
  background.SetBounds(page->Left(), page->Top(), page->Width() - (page->LeftMargin + page->RightMargin) * fr1mm,
                       page->Height() - (page->TopMargin + page->BottomMargin) * fr1mm);
  ExportObject(background);

  for (TfrxComponent* object : page->Objects()) {
    if (Skipped(*object, index))
      continue;
    ExportObject(*object);
    for (TfrxComponent* child : object->Objects())
      ExportObject(*child);
  }
  ClosePage();
}

bool PagesExport::Skipped(const TfrxComponent& object, int index) const {
  if (!FFilter.SuppressPageHeadersFooters)
    return false;
  const QString kind = object.ClassName();
  return (kind == QLatin1String("TfrxPageHeader") && index != 0) ||
         (kind == QLatin1String("TfrxPageFooter") && index != FCount - 1);
}

void PagesExport::ClosePage() {
  if (!FOpenPage)
    return;
  TfrxReportPage* page = std::exchange(FOpenPage, nullptr);
  struct Restore {
    TfrxReportPage* page;
    ~Restore() {
      page->SetLeft(0);
      page->SetTop(0);
    }
  } restore{page};
  FFilter.FinishPage(*page, FOpenIndex);
}

void PagesExport::ExportObject(TfrxComponent& object) {
  if (FFilter.DataOnly && !IsDataBand(object.Parent()))
    return;
  if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&object))
    PrepareMemo(*memo);
  FFilter.ExportObject(object);
  if (FTerminated)
    throw EExportTerminated();
}

void PagesExport::PrepareMemo(TfrxCustomMemoView& memo) {
  if (memo.AllowExpressions) {
    QStringList lines = memo.Lines();
    bool changed = false;
    for (QString& line : lines) {
      if (!line.contains(u'['))
        continue;
      const QString expanded = ExtractMacros(line, FCount, QString());
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

bool frxExportPreviewPages(TfrxPageSource& pages, TfrxCustomExportFilter* filter,
                           const TfrxExportContext& context) {
  if (!filter)
    return false;
  filter->CreationTime = QDateTime::currentDateTime();
  filter->Report = context.Report;
  if (filter->ShowDialog && filter->ShowModal() != mrOk)
    return false;
  if (filter->CurPage)
    filter->PageNumbers = QString::number(context.CurPreviewPage > 0 ? context.CurPreviewPage : 1);
  bool unreported = false;
  bool& terminated = context.Report ? context.Report->Terminated : unreported;
  terminated = false;
  try {
    PagesExport(pages, *filter, context, terminated).Run();
    return true;
  } catch (const EExportTerminated&) {
    return true;
  } catch (const std::exception& error) {
    if (!context.Report)
      throw;
    const auto* reportError = dynamic_cast<const EfrxError*>(&error);
    context.Report->Errors.Add(reportError ? reportError->Message() : QString::fromUtf8(error.what()));
    context.Report->ReportErrors();
    return false;
  }
}
