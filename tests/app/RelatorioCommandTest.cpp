#include "tests/app/RunQuitanza.h"

#include "report/model/Class.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

QString Template() { return QStringLiteral(QUITANZA_BINARY_DIR "/app/Recibo.fr3"); }

// Every variable of the receipt template, as --var options.
QStringList ReceiptVariables(const QString& cliente)
{
  QStringList arguments;
  for (const char* name : {"Empresa", "Endereco", "Cidade", "Email_Site", "Informacao", "Valor", "Referente", "Codigo",
                           "MD5", "CNPJ_Empresa", "CidadeData"})
    arguments << QStringLiteral("--var") << QString::fromLatin1(name) + QStringLiteral("=x");
  arguments << QStringLiteral("--var") << QStringLiteral("CPF_CNPJ=123.456.789-09") << QStringLiteral("--var")
            << QStringLiteral("Cliente=") + cliente;
  return arguments;
}

// A template of one A4 page holding one memo with `text`, written to `path`.
void WriteOneMemoTemplate(const QString& path, const QString& text, bool allowTags = false)
{
  quitanza::report::Report report;
  auto* page = new quitanza::report::ReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetPaperSize(9);
  auto* memo = new quitanza::report::MemoView(page);
  memo->SetName(QStringLiteral("Memo1"));
  memo->SetBounds(20, 20, 300, 20);
  memo->AllowHTMLTags = allowTags;
  memo->SetText(text);
  report.SaveToFile(path);
}

// Drawing starts the window system, whose warning about a missing session
// folder must not bury the command's own output.
TEST(RelatorioCommand, DrawsWithNothingOnStandardError)
{
  QTemporaryDir dir;
  const ProcessResult run = RunQuitanza(QStringList{QStringLiteral("relatorio"), Template(), QStringLiteral("--png"),
                                                    dir.filePath(QStringLiteral("p")), QStringLiteral("--dpi"),
                                                    QStringLiteral("10")} +
                                        ReceiptVariables(QStringLiteral("ANA")));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(RelatorioCommand, PreparesATemplateIntoAPreparedReportThatLoadsBack)
{
  QTemporaryDir dir;
  const QString prepared = dir.filePath(QStringLiteral("recibo.fp3"));
  const ProcessResult run = RunQuitanza(QStringList{QStringLiteral("relatorio"), Template()} +
                                        ReceiptVariables(QStringLiteral("JOÃO D'ÁVILA")) +
                                        QStringList{QStringLiteral("--fp3"), prepared});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  QFile file(prepared);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains(QStringLiteral("u=\"123.456.789-09 - JOÃO D'ÁVILA\"").toUtf8()));

  const QString copy = dir.filePath(QStringLiteral("copia.fp3"));
  const ProcessResult reload = RunQuitanza(
      {QStringLiteral("relatorio"), QStringLiteral("--preparado"), prepared, QStringLiteral("--fp3"), copy});
  ASSERT_EQ(reload.exitCode, 0) << reload.err.toStdString();
  QFile copied(copy);
  ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
  file.seek(0);
  EXPECT_EQ(copied.readAll(), file.readAll());
}

// Every variable the template lists needs a value: the first one missing is
// named, and nothing is written.
TEST(RelatorioCommand, NamesAVariableTheTemplateNeedsAndWasNotGiven)
{
  QTemporaryDir dir;
  const QString prepared = dir.filePath(QStringLiteral("recibo.fp3"));
  const ProcessResult run =
      RunQuitanza({QStringLiteral("relatorio"), Template(), QStringLiteral("--fp3"), prepared});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err.toStdString(), testing::HasSubstr("a variável Empresa não foi informada"));
  EXPECT_FALSE(QFile::exists(prepared));
}

TEST(RelatorioCommand, AnExpressionErrorIsListedOnStandardErrorWithExitStatusThree)
{
  QTemporaryDir dir;
  const QString model = dir.filePath(QStringLiteral("errado.fr3"));
  WriteOneMemoTemplate(model, QStringLiteral("[1 +]"));
  const QString prepared = dir.filePath(QStringLiteral("errado.fp3"));
  const ProcessResult run = RunQuitanza({QStringLiteral("relatorio"), model, QStringLiteral("--fp3"), prepared});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.err.startsWith(QStringLiteral("The following error(s) have occured:\r\n"))) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(prepared));
}

TEST(RelatorioCommand, RefusesADamagedPreparedReport)
{
  QTemporaryDir dir;
  const QString damaged = dir.filePath(QStringLiteral("ruim.fp3"));
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<?xml version=\"1.0\"?><preparedreport><previewpages><page0>");
  file.close();
  const ProcessResult run = RunQuitanza({QStringLiteral("relatorio"), QStringLiteral("--preparado"), damaged,
                                         QStringLiteral("--fp3"), dir.filePath(QStringLiteral("x.fp3"))});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.err.contains(QStringLiteral("Invalid file format")));
}

TEST(RelatorioCommand, NeedsATemplateOrAPreparedReportAndAnOutput)
{
  EXPECT_EQ(RunQuitanza({QStringLiteral("relatorio"), Template()}).exitCode, 2);
  EXPECT_EQ(RunQuitanza({QStringLiteral("relatorio"), QStringLiteral("--fp3"), QStringLiteral("x.fp3")}).exitCode, 2);
  EXPECT_EQ(RunQuitanza({QStringLiteral("relatorio"), Template(), QStringLiteral("--var"), QStringLiteral("Cliente"),
                         QStringLiteral("--fp3"), QStringLiteral("x.fp3")})
                .exitCode,
            2);
}

// The preview waits for an operator; without a screen none could answer it.
TEST(RelatorioCommand, RefusesThePreviewWithoutAScreen)
{
  const auto result = RunQuitanza({QStringLiteral("relatorio"), Template(), QStringLiteral("--visualizar")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err.toStdString(), testing::HasSubstr("--visualizar precisa de uma tela"));
}

// Tagged text has no vector form: the PDF shows it as an image the memo draws
// of itself, through the window system's font engine, display or not.
TEST(RelatorioCommand, APdfDrawsATaggedMemoIntoAnImageWithoutADisplay)
{
  QTemporaryDir dir;
  const QString model = dir.filePath(QStringLiteral("negrito.fr3"));
  WriteOneMemoTemplate(model, QStringLiteral(u"<b>Atenção</b> ao prazo"), true);
  const QString pdf = dir.filePath(QStringLiteral("negrito.pdf"));
  const ProcessResult run = RunQuitanza(
      {QStringLiteral("relatorio"), model, QStringLiteral("--pdf"), pdf, QStringLiteral("--sem-compressao")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("/Subtype /Image"));
}

}  // namespace
