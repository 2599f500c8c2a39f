#include "tests/app/RunQuitanza.h"
#include "tests/report/output/PdfTools.h"
#include "tests/report/print/PrintQueue.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Printing on the PDF printer of the spooler ./test starts; without it (not
// root) the tests skip.
class PrintCupsTest : public testing::Test {
protected:
  void SetUp() override
  {
    m_queue = PrintQueue();
    if (m_queue.isEmpty())
      GTEST_SKIP() << "No CUPS PDF printer: ./test starts one when run as root.";
    ClearPrintedPdfs();
  }

  ProcessResult Quitanza(QStringList arguments) const
  {
    return RunQuitanza(arguments << QStringLiteral("--dados") << m_data.path());
  }

  QString m_queue;
  QTemporaryDir m_data;
};

TEST_F(PrintCupsTest, ListsThePrintersWithTheDefaultMarked)
{
  const ProcessResult listed = RunQuitanza({QStringLiteral("impressoras")});
  EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
  EXPECT_EQ(listed.out, m_queue + QStringLiteral(" (padrão)\n"));
}

TEST_F(PrintCupsTest, IssuedReceiptPrintsOnOneA4PageWhereTheExportPutsIt)
{
  const QString exported = m_data.filePath(QStringLiteral("recibo.pdf"));
  const ProcessResult issued =
    Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Maria Souza"), QStringLiteral("--valor"),
              QStringLiteral("150"), QStringLiteral("--pdf"), exported, QStringLiteral("--imprimir")});
  ASSERT_EQ(issued.exitCode, 0) << issued.err.toStdString();
  const QString code = QRegularExpression(QStringLiteral("Autenticação: ([0-9A-F]{32})")).match(issued.out).captured(1);
  ASSERT_FALSE(code.isEmpty()) << issued.out.toStdString();

  const QString printed = WaitForPrintedPdf();
  ASSERT_FALSE(printed.isEmpty());
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {printed});
  EXPECT_TRUE(info.output.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.output.toStdString();
  EXPECT_TRUE(info.output.contains(QRegularExpression(QStringLiteral("Page size:\\s+595\\.\\d* x 841\\.\\d*|Page size:\\s+595 x 842"))))
    << info.output.toStdString();
  // The export draws the template exactly: the code is in both of its copies.
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {exported, QStringLiteral("-")});
  EXPECT_EQ(text.output.count(code), 2) << text.output.toStdString();

  // On paper each copy shows as much as in the export, its objects within a
  // millimetre of where the template puts them.
  constexpr int kDpi = 127;  // 5 dots a millimetre
  constexpr int kMillimetre = 5;
  const QImage onPaper = RenderPdfPage(printed, 1, kDpi);
  const QImage inExport = RenderPdfPage(exported, 1, kDpi);
  // Each copy's frame, leaving out the cutting line between the copies.
  const int height = inExport.height();
  const int width = inExport.width();
  for (const QRect copy : {QRect(0, 0, width, height * 45 / 100), QRect(0, height * 55 / 100, width, height * 45 / 100)}) {
    const Ink printedInk = InkIn(onPaper, copy);
    const Ink exportedInk = InkIn(inExport, copy);
    ASSERT_GT(exportedInk.Dots, 1000);
    EXPECT_NEAR(static_cast<double>(printedInk.Dots) / exportedInk.Dots, 1, 0.2);
    EXPECT_NEAR(printedInk.Box.left(), exportedInk.Box.left(), kMillimetre);
    EXPECT_NEAR(printedInk.Box.top(), exportedInk.Box.top(), kMillimetre);
    EXPECT_NEAR(printedInk.Box.right(), exportedInk.Box.right(), kMillimetre);
    EXPECT_NEAR(printedInk.Box.bottom(), exportedInk.Box.bottom(), kMillimetre);
  }
}

TEST_F(PrintCupsTest, ReprintTwoCopiesOnTheNamedPrinter)
{
  ASSERT_EQ(Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Maria Souza"),
                      QStringLiteral("--valor"), QStringLiteral("150")})
              .exitCode,
            0);
  const ProcessResult reprinted =
    Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--imprimir"), QStringLiteral("--impressora"),
              m_queue, QStringLiteral("--copias"), QStringLiteral("2")});
  ASSERT_EQ(reprinted.exitCode, 0) << reprinted.err.toStdString();
  const QString printed = WaitForPrintedPdf();
  ASSERT_FALSE(printed.isEmpty());
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {printed});
  EXPECT_TRUE(info.output.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.output.toStdString();
}

TEST_F(PrintCupsTest, UnknownPrinterStopsTheIssueBeforeAnythingIsStored)
{
  const ProcessResult issued =
    Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Maria Souza"), QStringLiteral("--valor"),
              QStringLiteral("150"), QStringLiteral("--imprimir"), QStringLiteral("--impressora"), QStringLiteral("nao-existe")});
  EXPECT_EQ(issued.exitCode, 3);
  EXPECT_TRUE(issued.err.contains(QStringLiteral("\"nao-existe\" não está instalada"))) << issued.err.toStdString();
  EXPECT_FALSE(QFile::exists(m_data.filePath(QStringLiteral("recibo.xml"))));
}

}  // namespace
