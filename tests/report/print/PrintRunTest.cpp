#include "report/model/Variables.h"
#include "report/model/MemoView.h"
#include "report/model/Report.h"
#include "report/output/ParsePageNumbers.h"
#include "report/print/PrintRun.h"
#include "report/print/Printer.h"
#include "tests/doclib/PrintQString.h"
#include "tests/report/output/PdfTools.h"
#include "tests/support/TestPreviewPages.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace quitanza::report;

namespace {

// Pages that show which page and which copy they are, in marks a rendering
// finds (glyphs reach the printer's PDF as outlines, not text): page N has a
// black square N - 1 steps from the left, and the second copy a row of
// letters below it.
constexpr double kStep = 20 * 3.77953;  // report pixels
constexpr double kSquare = 15 * 3.77953;
constexpr int kDpi = 20;

// Kept as the store keeps pages: freeing the cache brings them back as
// prepared, their copy name not yet filled in.
class NumberedPages : public PageSource {
public:
  explicit NumberedPages(int count)
  {
    GlobalVariables().SetValue(QStringLiteral("CopyName1"), QString());
    GlobalVariables().SetValue(QStringLiteral("CopyName2"), QStringLiteral("WWWWWWWWWWWW"));
    for (int number = 1; number <= count; ++number) {
      TestPage& page = m_pages.AddPage();
      page.Add<MemoView>((number - 1) * kStep, 0, kSquare, kSquare).Color = 0;
      m_copyNames.push_back(&page.Add<MemoView>(0, 2 * kStep, 600, 60));
    }
    FreeCache();
  }
  int Count() const override { return m_pages.Count(); }
  ReportPage* GetPage(int index) override { return m_pages.GetPage(index); }
  QSize GetPageSize(int index) override { return m_pages.GetPageSize(index); }
  void FreeCache() override
  {
    for (MemoView* memo : m_copyNames)
      memo->SetText(QStringLiteral("[CopyName#]"));
  }

private:
  TestPreviewPages m_pages;
  std::vector<MemoView*> m_copyNames;
};

bool Dark(const QImage& image, int x, int y)
{
  return qGray(image.pixel(x, y)) < 128;
}

// "P3 C2" for a sheet with the third page's square and the copy mark.
QString SheetMarks(const QImage& sheet)
{
  const double dotsPerMm = kDpi / 25.4;
  // Inside the paper's 10 mm margins, the square's row and the copy's row.
  const int squareY = static_cast<int>((10 + 7) * dotsPerMm);
  int page = 0;
  for (int x = 0; x < sheet.width() && page == 0; ++x)
    if (Dark(sheet, x, squareY))
      page = 1 + static_cast<int>(std::lround((x / dotsPerMm - 10) / 20));
  int copyInk = 0;
  for (int y = static_cast<int>(50 * dotsPerMm); y < static_cast<int>(62 * dotsPerMm); ++y)
    for (int x = 0; x < sheet.width(); ++x)
      copyInk += Dark(sheet, x, y) ? 1 : 0;
  return QStringLiteral("P%1 C%2").arg(page).arg(copyInk > 10 ? 2 : 1);
}

// The marks of every sheet of a printed file; none when no job was written.
QStringList SheetTexts(const QString& path)
{
  if (!QFile::exists(path))
    return {};
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {path});
  const int sheets = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.output).captured(1).toInt();
  QStringList marks;
  for (int sheet = 1; sheet <= sheets; ++sheet)
    marks << SheetMarks(RenderPdfPage(path, sheet, kDpi));
  return marks;
}

struct RunCase {
  const char* what;
  int pages;
  int copies;
  bool collate;
  const char* selection;
  PrintPages printPages;
  bool reverse;
  const char* sheets;  // their texts, "|" between sheets ("P0 C1": an empty sheet)
  int driverCopies;
  DuplexMode duplex = DuplexMode::None;
};

class PrintRunTest : public testing::TestWithParam<RunCase> {
protected:
  QTemporaryDir folder;
  Report report;
};

TEST_P(PrintRunTest, PrintsTheChosenPagesInOrder)
{
  const RunCase& c = GetParam();
  NumberedPages numbered(c.pages);
  const std::unique_ptr<Printer> printer = Printer::Virtual();
  printer->Init();
  printer->FileName = folder.filePath(QStringLiteral("job.pdf"));
  PrintOptions options;
  options.Copies = c.copies;
  options.Collate = c.collate;
  options.PrintPages = c.printPages;
  options.Reverse = c.reverse;
  options.Duplex = c.duplex;
  PrintRun run(report, numbered, *printer, options, {});
  run.Execute(ParsePageNumbers(QString::fromLatin1(c.selection), c.pages));
  EXPECT_EQ(SheetTexts(printer->FileName).join(u'|'), QString::fromLatin1(c.sheets));
  EXPECT_EQ(printer->Copies(), c.driverCopies);
}

INSTANTIATE_TEST_SUITE_P(
  Options, PrintRunTest,
  testing::Values(
    RunCase{"collated copies", 3, 2, true, "", PrintPages::All, false,
            "P1 C1|P2 C1|P3 C1|P1 C2|P2 C2|P3 C2", 1},
    RunCase{"uncollated copies are the printer's", 3, 2, false, "", PrintPages::All, false, "P1 C1|P2 C1|P3 C1", 2},
    RunCase{"open range", 8, 1, true, "5-", PrintPages::All, false, "P5 C1|P6 C1|P7 C1|P8 C1", 1},
    RunCase{"backward range", 8, 1, true, "2,5-3", PrintPages::All, false, "P2 C1", 1},
    RunCase{"no such page", 8, 1, true, "9", PrintPages::All, false, "", 1},
    RunCase{"order and repeats as written", 4, 1, true, "3,1,1", PrintPages::All, false, "P3 C1|P1 C1|P1 C1", 1},
    RunCase{"even pages reversed", 5, 1, true, "", PrintPages::Even, true, "P4 C1|P2 C1", 1},
    RunCase{"odd pages", 5, 1, true, "", PrintPages::Odd, false, "P1 C1|P3 C1|P5 C1", 1},
    RunCase{"duplex copies of an odd count start on a sheet of their own", 3, 2, true, "", PrintPages::All, false,
            "P1 C1|P2 C1|P3 C1|P0 C1|P1 C2|P2 C2|P3 C2", 1, DuplexMode::Vertical},
    RunCase{"duplex copies of an even count follow at once", 2, 2, true, "", PrintPages::All, false,
            "P1 C1|P2 C1|P1 C2|P2 C2", 1, DuplexMode::Horizontal}),
  [](const testing::TestParamInfo<RunCase>& info) { return std::to_string(info.index); });

TEST(PrintRunCancelTest, CancelledRunLeavesTheSheetsPrintedSoFar)
{
  QTemporaryDir folder;
  Report report;
  NumberedPages numbered(5);
  const std::unique_ptr<Printer> printer = Printer::Virtual();
  printer->Init();
  printer->FileName = folder.filePath(QStringLiteral("job.pdf"));
  QList<int> progress;
  PrintRun run(report, numbered, *printer, {}, {}, [&](int page) {
    progress << page;
    report.Terminated = page == 2;  // Cancel pressed while page 2 printed
  });
  run.Execute({});
  EXPECT_EQ(progress, (QList<int>{1, 2}));
  EXPECT_EQ(SheetTexts(printer->FileName).join(u'|'), QStringLiteral("P1 C1|P2 C1"));
  const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), printer->FileName});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
}

struct ModeCase {
  const char* what;
  PrintMode mode;
  int paper;  // of the pages
  int pages;
  int sheetPaper;
  int sheets;
};

class PrintModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(PrintModeTest, CountsSheets)
{
  const ModeCase& c = GetParam();
  QTemporaryDir folder;
  Report report;
  NumberedPages numbered(c.pages);
  for (int i = 0; i < c.pages; ++i)
    numbered.GetPage(i)->SetPaperSize(c.paper);
  const std::unique_ptr<Printer> printer = Printer::Virtual();
  printer->Init();
  printer->FileName = folder.filePath(QStringLiteral("job.pdf"));
  printer->SetViewParams(c.sheetPaper, 0, 0, PrinterOrientation::Portrait);
  PrintOptions options;
  options.PrintMode = c.mode;
  PrintRun run(report, numbered, *printer, options,
               {c.sheetPaper, printer->PaperWidth(), printer->PaperHeight()});
  run.Execute({});
  EXPECT_EQ(run.SheetsPrinted(), c.sheets);
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {printer->FileName});
  EXPECT_TRUE(info.output.contains(QStringLiteral("Pages:           %1\n").arg(c.sheets))) << info.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
  Modes, PrintModeTest,
  testing::Values(ModeCase{"A3 split on A4", PrintMode::Split, 8, 1, 9, 3},
                  ModeCase{"five A5 joined on A4", PrintMode::Join, 11, 5, 9, 3},
                  ModeCase{"four A4 joined on A3", PrintMode::Join, 9, 4, 8, 2},
                  ModeCase{"A3 scaled to A4", PrintMode::Scale, 8, 2, 9, 2}),
  [](const testing::TestParamInfo<ModeCase>& info) { return std::to_string(info.index); });

}  // namespace
