#include "tests/app/RunQuitanza.h"
#include "tests/report/output/PdfTools.h"
#include "tests/report/print/PrintQueue.h"

#include <QDir>
#include <QFile>
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

// Where a word is on a PDF's first page, in points from the top left corner.
QPointF WordPosition(const QString& pdf, const QString& word)
{
  const ToolResult boxes = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                   QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  const QRegularExpression pattern(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                     .arg(QRegularExpression::escape(word)));
  const QRegularExpressionMatch match = pattern.match(boxes.output);
  EXPECT_TRUE(match.hasMatch()) << word.toStdString() << " not in " << pdf.toStdString();
  return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

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
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {printed, QStringLiteral("-")});
  EXPECT_EQ(text.output.count(code), 2) << "both copies carry the code:\n" << text.output.toStdString();

  // The client's name lies within a millimetre of where the exported PDF,
  // drawn straight from the template, has it.
  constexpr double kMillimetre = 72 / 25.4;
  const QPointF onPaper = WordPosition(printed, QStringLiteral("MARIA"));
  const QPointF inExport = WordPosition(exported, QStringLiteral("MARIA"));
  EXPECT_NEAR(onPaper.x(), inExport.x(), kMillimetre);
  EXPECT_NEAR(onPaper.y(), inExport.y(), kMillimetre);
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
