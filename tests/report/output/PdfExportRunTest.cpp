// Whole export runs over receipt pages, checked from the outside with qpdf,
// pdffonts and pdftotext.
#include "PdfFile.h"
#include "PdfTools.h"
#include "platform/files/FileError.h"
#include "report/model/Class.h"
#include "report/model/PreviewPages.h"
#include "report/output/ExportPDF.h"
#include "report/output/ExportPDFFile.h"
#include "report/output/PreviewPagesExport.h"
#include "tests/support/IssuedReceipt.h"
#include "tests/support/TestPreviewPages.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

void ExpectValidPdf(const QString& path, const QString& password = QString()) {
  QStringList arguments{QStringLiteral("--check"), path};
  if (!password.isEmpty())
    arguments.prepend(QStringLiteral("--password=") + password);
  const ToolResult checked = RunTool(QStringLiteral("qpdf"), arguments);
  EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();
  EXPECT_TRUE(checked.output.contains(QStringLiteral("No syntax or stream encoding errors found")))
      << checked.output.toStdString();
}

QString PdfText(const QString& path, const QStringList& options = {}) {
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
  EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
  return text.output;
}

// A page whose only object is a memo naming the page.
void AddNumberedPage(TestPreviewPages& pages, int number) {
  pages.AddPage().Add<quitanza::report::MemoView>(20, 20, 300, 20).SetText(QStringLiteral("Conteúdo da página %1").arg(number));
}

quitanza::report::ExportContext WithReport(quitanza::report::Report& report, quitanza::report::ExportProgress* progress = nullptr) {
  quitanza::report::ExportContext context;
  context.Report = &report;
  context.Progress = progress;
  return context;
}

class PdfExportRun : public testing::Test {
protected:
  QString Path(const QString& name) const { return m_dir.filePath(name); }

  QTemporaryDir m_dir;
  TestPreviewPages m_pages;
};

TEST_F(PdfExportRun, ReceiptPageIsValidWithItsAccentedTextsAndTheReceiptsForms) {
  IssuedReceipt receipt;
  const QString path = Path(QStringLiteral("recibo.pdf"));
  ExportPDFFile(receipt.Pages(), path, {});

  ExpectValidPdf(path);
  const QString text = PdfText(path);
  for (const char* name : {"Cliente", "Empresa", "Endereco", "Referente", "MD5", "Codigo"})
    EXPECT_TRUE(text.contains(ReceiptText(QLatin1String(name)).left(30))) << name << "\n" << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(u"Autenticação"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(u"A importância de:"))) << text.toStdString();

  const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {path});
  EXPECT_EQ(fonts.exitCode, 0);
  // Arial is not installed here: the face standing in for it travels along
  // as a subset, named after itself.
  for (const QString& name : {QStringLiteral("LiberationSans"), QStringLiteral("LiberationSans-Bold")}) {
    const QRegularExpression line(QStringLiteral("^[A-Z]{6}\\+") + QRegularExpression::escape(name) +
                                      QStringLiteral(" +CID TrueType +Identity-H +yes +yes +yes "),
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(fonts.output).hasMatch()) << fonts.output.toStdString();
  }

  const QByteArray file = ReadFile(path);
  EXPECT_TRUE(file.startsWith("%PDF-1.5\r\n"));
  EXPECT_TRUE(file.contains("/MediaBox [0 0 595.50 842.25 ]\r\n"));
  EXPECT_TRUE(file.contains("/Title <FEFF>\r\n/Author <FEFF00500065006C006C007700690063006B>\r\n"));
  EXPECT_TRUE(file.contains("/Keywords <FEFF>\r\n"));
  EXPECT_TRUE(file.contains("/PageMode /UseNone\r\n/ViewerPreferences <<\r\n/PrintScaling /None\r\n>>\r\n"));
  // The two distinct pictures (the logo's two copies share one), the content
  // object, the two fonts' reserved numbers, the page object.
  EXPECT_TRUE(file.contains("/XObject <<\r\n/Im0 2 0 R\r\n/Im1 3 0 R\r\n>>"));
  EXPECT_TRUE(file.contains("\r\n4 0 obj\r\n<< /Filter /FlateDecode /Length "));
  EXPECT_TRUE(file.contains("/Kids [7 0 R ]\r\n/Count 1\r\n"));
  // Shape1 comes first: nothing of the page background goes before it.
  const QList<QByteArray> contents = PdfPageContents(file);
  ASSERT_EQ(contents.size(), 1);
  EXPECT_TRUE(contents[0].startsWith("[] 0 d\r\n0 0 0 RG\r\n0.75 w\r\n1.00 1.00 1.00 rg\r\n"))
      << contents[0].left(80).toStdString();
}

// Dark pixels of the rendered page inside a rectangle of report pixels
// (96 per inch, from the paper's corner).
int InkIn(const QImage& page, QRect rect) {
  int ink = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      ink += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
  return ink;
}

TEST_F(PdfExportRun, RenderedReceiptShowsLinesAndTextWhereTheLayoutPutsThem) {
  IssuedReceipt receipt;
  const QString path = Path(QStringLiteral("recibo.pdf"));
  ExportPDFFile(receipt.Pages(), path, {});
  const QImage page = RenderPdfPage(path, 1, 96);
  ASSERT_EQ(page.size(), QSize(794, 1123));
  // Positions below add the 10 mm margin (37.80 pixels) to the layout's.
  // Line1, the header's lower edge, at 139.85 across the copy.
  EXPECT_GT(InkIn(page, QRect(50, 139, 690, 2)), 600);
  EXPECT_EQ(InkIn(page, QRect(50, 142, 690, 6)), 0) << "nothing between the header and the client line";
  // The client's line of text inside its box, left-aligned.
  EXPECT_GT(InkIn(page, QRect(170, 152, 200, 16)), 200);
  EXPECT_EQ(InkIn(page, QRect(560, 152, 170, 16)), 0);
  // The second copy is 160 mm lower.
  EXPECT_GT(InkIn(page, QRect(50, 139 + 605, 690, 2)), 600);
}

struct ProtectionCase {
  const char* name;
  const char* user;
  const char* owner;
  quitanza::report::PDFEncBits flags;
  const char* permissions;
};

class ProtectedPdfExport : public PdfExportRun, public testing::WithParamInterface<ProtectionCase> {};

TEST_P(ProtectedPdfExport, OpensWithThePasswordOnlyAndEmbedsTheFonts) {
  const ProtectionCase& c = GetParam();
  IssuedReceipt receipt;
  quitanza::report::PDFExport filter;
  filter.ShowDialog = false;
  filter.FileName = Path(QStringLiteral("protegido.pdf"));
  filter.UserPassword = c.user;
  filter.OwnerPassword = c.owner;
  filter.ProtectionFlags = c.flags;
  ASSERT_TRUE(ExportPreviewPages(receipt.Pages(), &filter, {}));

  const QByteArray file = ReadFile(filter.FileName);
  EXPECT_TRUE(file.contains(QByteArray("/P ") + c.permissions + "\r\n"));
  const QString user = QLatin1String(c.user);
  ExpectValidPdf(filter.FileName, user);
  EXPECT_NE(RunTool(QStringLiteral("pdftotext"), {filter.FileName, QStringLiteral("-")}).exitCode, 0)
      << "opened without the password";
  const QString opened = PdfText(filter.FileName, {QStringLiteral("-upw"), user});
  EXPECT_TRUE(opened.contains(QStringLiteral(u"JOÃO D'ÁVILA"))) << opened.toStdString();

  const QString decrypted = Path(QStringLiteral("aberto.pdf"));
  const ToolResult decrypt = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--password=") + user,
                                                               QStringLiteral("--decrypt"), filter.FileName, decrypted});
  EXPECT_EQ(decrypt.exitCode, 0) << decrypt.output.toStdString();
  const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {decrypted});
  EXPECT_TRUE(fonts.output.contains(
      QRegularExpression(QStringLiteral("\\+LiberationSans +CID TrueType +Identity-H +yes +yes"))))
      << fonts.output.toStdString();
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-upw"), user, filter.FileName});
  EXPECT_TRUE(info.output.contains(QRegularExpression(QStringLiteral("Author: +Pellwick\n")))) << info.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, ProtectedPdfExport,
    testing::Values(ProtectionCase{"UserOnly", "recibo", "", AllPDFEncBits, "-4"},
                    ProtectionCase{"UserAndOwner", "recibo", "dono", AllPDFEncBits, "-4"},
                    ProtectionCase{"NoPermissions", "recibo", "dono", {}, "-64"},
                    ProtectionCase{"PrintOnly", "recibo", "dono", quitanza::report::PDFEncBit::Print, "-60"}),
    [](const testing::TestParamInfo<ProtectionCase>& info) { return std::string(info.param.name); });

TEST_F(PdfExportRun, OwnerPasswordAloneLetsEveryoneOpenButOwnsTheRights) {
  AddNumberedPage(m_pages, 1);
  const QString path = Path(QStringLiteral("dono.pdf"));
  quitanza::report::PDFFileSettings settings;
  settings.OwnerPassword = QStringLiteral("dono");
  ExportPDFFile(m_pages, path, settings);
  ExpectValidPdf(path);
  EXPECT_TRUE(PdfText(path).contains(QStringLiteral(u"Conteúdo da página 1")));
}

// A face that is the very family the document names is the reader's to
// supply unless embedding is asked for, and then it goes in whole.
TEST_F(PdfExportRun, TheNamedFamilyIsEmbeddedWholeOnlyWhenAsked) {
  quitanza::report::MemoView& memo = m_pages.AddPage().Add<quitanza::report::MemoView>(20, 20, 300, 20);
  memo.SetText(QStringLiteral(u"Conteúdo em Liberation Sans"));
  Font font = memo.Font();
  font.Name = QStringLiteral("Liberation Sans");
  memo.SetFont(font);
  for (const bool asked : {false, true}) {
    const QString path = Path(asked ? QStringLiteral("embutido.pdf") : QStringLiteral("nomeado.pdf"));
    quitanza::report::PDFFileSettings settings;
    settings.Compressed = false;
    settings.EmbeddedFonts = asked;
    ExportPDFFile(m_pages, path, settings);
    ExpectValidPdf(path);
    const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {path});
    const QRegularExpression line(QStringLiteral("^Liberation Sans +CID TrueType +Identity-H +") +
                                      (asked ? QStringLiteral("yes") : QStringLiteral("no")) + QStringLiteral(" +no +yes "),
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(fonts.output).hasMatch()) << asked << "\n" << fonts.output.toStdString();
    EXPECT_TRUE(PdfText(path).contains(QStringLiteral(u"Conteúdo em Liberation Sans")));
  }
}

TEST_F(PdfExportRun, PageSelectionBeyondTheLastPageKeepsThePagesThatExist) {
  AddNumberedPage(m_pages, 1);
  AddNumberedPage(m_pages, 2);
  const QString path = Path(QStringLiteral("selecao.pdf"));
  quitanza::report::PDFFileSettings settings;
  settings.PageNumbers = QStringLiteral("2-3");
  ExportPDFFile(m_pages, path, settings);
  ExpectValidPdf(path);
  const QByteArray file = ReadFile(path);
  EXPECT_TRUE(file.contains("/Count 1\r\n"));
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral(u"Conteúdo da página 2")));
  EXPECT_FALSE(text.contains(QStringLiteral(u"Conteúdo da página 1")));
}

TEST_F(PdfExportRun, BadPageSelectionIsAnErrorAndWritesNothing) {
  AddNumberedPage(m_pages, 1);
  const QString path = Path(QStringLiteral("nada.pdf"));
  quitanza::report::PDFFileSettings settings;
  settings.PageNumbers = QStringLiteral("1;2");
  EXPECT_THROW(ExportPDFFile(m_pages, path, settings), std::invalid_argument);
  EXPECT_FALSE(QFile::exists(path));
}

// Cancel pressed while page `cancelDuring` is written is seen when the next
// page's progress is shown.
class CancellingProgress : public quitanza::report::ExportProgress {
public:
  explicit CancellingProgress(int cancelDuring) : m_cancelDuring(cancelDuring) {}
  void Start() override { ++m_started; }
  bool Progress(int kind, int value, const QString& message) override {
    EXPECT_EQ(kind, 1);
    m_messages.append(message);
    return value == m_cancelDuring + 1;
  }
  void Stop() override { ++m_stopped; }

  int m_cancelDuring;
  int m_started = 0, m_stopped = 0;
  QStringList m_messages;
};

TEST_F(PdfExportRun, CancelDuringPageThreeOfFiveGivesAValidFileOfFourPages) {
  for (int number = 1; number <= 5; ++number)
    AddNumberedPage(m_pages, number);
  quitanza::report::Report report;
  CancellingProgress progress(3);
  quitanza::report::PDFExport filter;
  filter.ShowDialog = false;
  filter.FileName = Path(QStringLiteral("cancelado.pdf"));
  EXPECT_TRUE(ExportPreviewPages(m_pages, &filter, WithReport(report, &progress)));

  EXPECT_TRUE(report.Terminated);
  EXPECT_TRUE(report.Errors.IsEmpty());
  EXPECT_EQ(progress.m_messages, (QStringList{QStringLiteral("Exporting page 1"), QStringLiteral("Exporting page 2"),
                                             QStringLiteral("Exporting page 3"), QStringLiteral("Exporting page 4")}));
  EXPECT_EQ(progress.m_stopped, 1);
  ExpectValidPdf(filter.FileName);
  EXPECT_TRUE(ReadFile(filter.FileName).contains("/Count 4\r\n"));
  const QString third = PdfText(filter.FileName, {QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"),
                                                  QStringLiteral("3")});
  EXPECT_TRUE(third.contains(QStringLiteral(u"Conteúdo da página 3")));
  const QString fourth = PdfText(filter.FileName, {QStringLiteral("-f"), QStringLiteral("4"), QStringLiteral("-l"),
                                                   QStringLiteral("4")});
  EXPECT_FALSE(fourth.contains(QStringLiteral(u"Conteúdo"))) << "the page after the Cancel has no objects";
  for (int page = 0; page < m_pages.Count(); ++page)
    EXPECT_EQ(m_pages.GetPage(page)->Left(), 0) << "page offsets restored";
}

TEST_F(PdfExportRun, CallersStreamIsWrittenAndLeftOpen) {
  AddNumberedPage(m_pages, 1);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  buffer.write("prefix");
  quitanza::report::PDFExport filter;
  filter.Stream = &buffer;
  filter.OnShowDialog = [](quitanza::report::PDFExport&) {
    ADD_FAILURE() << "no dialog for a stream";
    return quitanza::report::ModalResult::Cancel;
  };
  EXPECT_TRUE(ExportPreviewPages(m_pages, &filter, {}));
  EXPECT_TRUE(buffer.isOpen());
  EXPECT_TRUE(buffer.data().startsWith("prefix%PDF-1.5"));
  EXPECT_TRUE(buffer.data().endsWith("%%EOF\r\n"));
  // Offsets count from the start of the document, not of the stream.
  const QByteArray document = buffer.data().mid(6);
  const qsizetype startxref = document.lastIndexOf("startxref\r\n");
  EXPECT_EQ(document.mid(startxref + 11).split('\r').first().toLongLong(), document.lastIndexOf("xref\r\n0 "));
}

TEST_F(PdfExportRun, CancelledDialogWritesNothing) {
  AddNumberedPage(m_pages, 1);
  quitanza::report::Report report;
  report.ReportOptions.Name = QStringLiteral("Recibo");
  quitanza::report::PDFExport filter;
  filter.FileName = Path(QStringLiteral("cancelado.pdf"));
  filter.OnShowDialog = [](quitanza::report::PDFExport& export_) {
    EXPECT_EQ(export_.Title, QStringLiteral("Recibo")) << "an empty title takes the report's name";
    return quitanza::report::ModalResult::Cancel;
  };
  EXPECT_FALSE(ExportPreviewPages(m_pages, &filter, WithReport(report)));
  EXPECT_FALSE(QFile::exists(filter.FileName));
}

TEST_F(PdfExportRun, TitleAddsDisplayDocTitleBeforePrintScaling) {
  AddNumberedPage(m_pages, 1);
  quitanza::report::PDFExport filter;
  filter.ShowDialog = false;
  filter.Title = QStringLiteral("Recibo");
  filter.FileName = Path(QStringLiteral("titulo.pdf"));
  ASSERT_TRUE(ExportPreviewPages(m_pages, &filter, {}));
  const QByteArray file = ReadFile(filter.FileName);
  EXPECT_TRUE(file.contains("/ViewerPreferences <<\r\n/DisplayDocTitle true\r\n/PrintScaling /None\r\n>>"));
  EXPECT_TRUE(file.contains("/Title <FEFF00520065006300690062006F>"));
}

TEST_F(PdfExportRun, UnwritableFileGoesToTheReportsErrorsOrToTheCaller) {
  AddNumberedPage(m_pages, 1);
  const QString path = Path(QStringLiteral("falta/recibo.pdf"));
  quitanza::report::Report report;
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  quitanza::report::PDFExport filter;
  filter.ShowDialog = false;
  filter.FileName = path;
  EXPECT_FALSE(ExportPreviewPages(m_pages, &filter, WithReport(report)));
  ASSERT_EQ(report.Errors.Count(), 1);
  EXPECT_TRUE(report.Errors.Items()[0].startsWith(QStringLiteral(u"Não foi possível gravar ") + path))
      << report.Errors.Text().toStdString();

  EXPECT_THROW(ExportPDFFile(m_pages, path, {}), FileError);
}

TEST_F(PdfExportRun, NoFileNameAndNoStreamWritesNothingButSucceeds) {
  AddNumberedPage(m_pages, 1);
  quitanza::report::PDFExport filter;
  filter.ShowDialog = false;
  EXPECT_TRUE(ExportPreviewPages(m_pages, &filter, {}));
}

TEST_F(PdfExportRun, MirrorMarginsShiftEverySecondPageByTheRightMargin) {
  for (int number = 1; number <= 2; ++number) {
    TestPage& page = m_pages.AddPage();
    page.Page().MirrorMargins = true;
    page.Page().RightMargin = 20;
    page.Add<quitanza::report::LineView>(0, 0, 100, 0);
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  quitanza::report::PDFExport filter;
  filter.Stream = &buffer;
  ASSERT_TRUE(ExportPreviewPages(m_pages, &filter, {}));
  const QList<QByteArray> contents = PdfPageContents(buffer.data());
  ASSERT_EQ(contents.size(), 2);
  // x = margin mm x 3.77953 x 0.75 + 10 mm x 0.05
  EXPECT_TRUE(contents[0].contains("\r\n28.85 ")) << contents[0].toStdString();
  EXPECT_TRUE(contents[1].contains("\r\n57.19 ")) << contents[1].toStdString();
}

TEST(PdfExportFilter, EntersTheProgramWideListWhileItLives) {
  const std::size_t before = ExportFilters().size();
  {
    quitanza::report::PDFExport filter;
    ASSERT_EQ(ExportFilters().size(), before + 1);
    EXPECT_EQ(ExportFilters().back(), &filter);
    EXPECT_EQ(filter.GetDescription(), QStringLiteral("PDF file"));
  }
  EXPECT_EQ(ExportFilters().size(), before);
}

}  // namespace
