// Issued receipts show whole what they certify: the amount in words, the
// client and the issuer's lines, however long, as a PDF reader reads them.
#include "app/ValorPorExtenso.h"
#include "doclib/Amount.h"
#include "tests/app/DataFolderCommandTest.h"
#include "tests/report/output/PdfTools.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::app;

namespace {

// Texts compared as a reader sees them: line breaks and runs of blanks alike.
QString Flattened(const QString& text)
{
  return text.simplified();
}

QString PdfText(const QString& path)
{
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
  EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
  return Flattened(text.output);
}

// A client name of `length` characters made of real name words.
QString ClientName(int length)
{
  const QString words = QStringLiteral(u"MARIA APARECIDA DOS SANTOS OLIVEIRA DE ALBUQUERQUE JOÃO BATISTA ");
  return words.repeated(4).left(length).trimmed();
}

const QString Empresa = QStringLiteral("Construtora e Incorporadora Horizonte Azul do Nordeste Brasileiro Ltda");
const QString Endereco = QStringLiteral(u"Avenida Governador Agamenon Magalhães, 4775, Sala 1203, Empresarial");
const QString Email = QStringLiteral("financeiro@construtorahorizonteazul.com.br");
const QString Site = QStringLiteral("https://www.construtorahorizonteazul.com.br");

class ReceiptTextsCommandTest : public DataFolderCommandTest {
protected:
  void SetUp() override
  {
    const ProcessResult run = Quitanza({QStringLiteral("configurar"), QStringLiteral("--empresa"), Empresa,
                                        QStringLiteral("--endereco"), Endereco, QStringLiteral("--bairro"),
                                        QStringLiteral("Boa Vista"), QStringLiteral("--cidade"), QStringLiteral("Recife"),
                                        QStringLiteral("--telefone"), QStringLiteral("81987654321"),
                                        QStringLiteral("--email"), Email, QStringLiteral("--site"), Site});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  }

  ProcessResult Issue(const QString& client, const QString& amount)
  {
    return Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), client, QStringLiteral("--valor"), amount,
                     QStringLiteral("--documento"), QStringLiteral("11144477735"), QStringLiteral("--pdf"),
                     PathOf(QStringLiteral("recibo.pdf"))});
  }
};

TEST_F(ReceiptTextsCommandTest, EveryCertifiedTextIsShownWhole)
{
  const struct {
    const char16_t* amount;
    int clientLength;
  } cases[] = {
    {u"0,01", 1},           {u"1,00", 12},          {u"74.465,34", 40},          {u"1.234.567,89", 80},
    {u"100.000,00", 120},   {u"101.101.101,01", 150}, {u"777.777.777,77", 180}, {u"999.999.999,99", 185},
  };
  for (const auto& c : cases) {
    const QString amount = QString::fromUtf16(c.amount);
    const QString client = ClientName(c.clientLength);
    const ProcessResult run = Issue(client, amount);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << amount.toStdString() << ": " << run.err.toStdString();
    const QString text = PdfText(PathOf(QStringLiteral("recibo.pdf")));
    const QString words = ValorPorExtenso(Amount::FromBrazilianText(amount)).toUpper();
    for (const QString& expected :
         {words, QStringLiteral("111.444.777-35 - ") + client, Empresa.toUpper(), Endereco + QStringLiteral(",Boa Vista"),
          Email + QStringLiteral(" / ") + Site}) {
      EXPECT_TRUE(text.contains(Flattened(expected)))
        << amount.toStdString() << ", client of " << c.clientLength << ": missing " << expected.toStdString();
    }
  }
}

// Beyond the smallest size a text is cut, and the operator is told so.
TEST_F(ReceiptTextsCommandTest, ATextBeyondTheSmallestSizeIsCutWithAWarning)
{
  const ProcessResult run = Issue(QString(200, u'W'), QStringLiteral("10,00"));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.err, QStringLiteral(u"Aviso: Não coube inteiro no recibo, nem em letra menor: o cliente.\n"));
  EXPECT_TRUE(run.out.startsWith(QStringLiteral(u"Recibo N°: 0000000001\n")));
}

}  // namespace
