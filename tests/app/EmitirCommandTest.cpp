#include "tests/app/DataFolderCommandTest.h"
#include "tests/doclib/PrintQString.h"
#include "tests/report/output/PdfTools.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;

using EmitirCommandTest = DataFolderCommandTest;

namespace {

// The text of a PDF file after qpdf found it sound.
QString CheckedPdfText(const QString& path)
{
  const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
  return text.output;
}

// Whether the middle of the logo's place shows the red logo, in both copies
// of the PDF's page rendered at 48 dpi.
bool RedLogoInBothCopies(const QString& path)
{
  const QImage page = RenderPdfPage(path, 1, 48);
  const auto red = [&](int x, int y) {
    const QRgb pixel = page.pixel(x, y);
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
  };
  const bool first = red(62, 46);
  EXPECT_EQ(red(62, 349), first) << "the copies differ";
  return first;
}

void ExpectContains(const QString& text, const QStringList& parts)
{
  for (const QString& part : parts)
    EXPECT_TRUE(text.contains(part)) << part.toStdString() << " not in:\n" << text.toStdString();
}

}  // namespace

TEST_F(EmitirCommandTest, ConfigureIssueListReprintAndCheckTheCode)
{
  const QString logo = PathOf(QStringLiteral("logo.png"));
  QImage red(40, 20, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(logo));
  ProcessResult run = Quitanza({QStringLiteral("configurar"), QStringLiteral("--empresa"), QStringLiteral("Padaria São João"),
                                QStringLiteral("--cpf-cnpj"), QStringLiteral("12345678000195"), QStringLiteral("--cidade"),
                                QStringLiteral("São Luís"), QStringLiteral("--logo"), logo});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

  run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("d'ávila"), QStringLiteral("--valor"),
                  QStringLiteral("1500"), QStringLiteral("--documento"), QStringLiteral("11144477735"),
                  QStringLiteral("--referente"), QStringLiteral("Aluguel de março"), QStringLiteral("--pdf"),
                  PathOf(QStringLiteral("um.pdf"))});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList printed = run.out.split(u'\n');
  ASSERT_EQ(printed.size(), 3) << run.out.toStdString();
  EXPECT_EQ(printed[0], QStringLiteral(u"Recibo N°: 0000000001"));
  ASSERT_TRUE(printed[1].startsWith(QStringLiteral(u"Autenticação: ")));
  const QString code = printed[1].mid(14);

  run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Maria"), QStringLiteral("--valor"),
                  QStringLiteral("250,5"), QStringLiteral("--tipo"), QStringLiteral("pagamento"), QStringLiteral("--pdf"),
                  PathOf(QStringLiteral("dois.pdf"))});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("José"), QStringLiteral("--valor"),
                  QStringLiteral("99")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith(QStringLiteral(u"Recibo N°: 0000000003\n")));
  EXPECT_EQ(Settings(), QStringLiteral(u"[EMITENTE]\nEMPRESA=Padaria São João\nCIDADE=São Luís\nLOGO=%1\n"
                                       u"CFP_CNPJ=12.345.678/0001-95\nCODIGO=3\n").arg(logo).toUtf8());

  run = Quitanza({QStringLiteral("listar"), QStringLiteral("--json")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8()).array();
  ASSERT_EQ(rows.size(), 3);
  // Each command starts on the first row, where the next receipt goes in.
  EXPECT_EQ(rows[0].toObject()[QStringLiteral("Cliente")].toString(), QStringLiteral(u"JOSÉ"));
  EXPECT_EQ(rows[1].toObject()[QStringLiteral("Tipo")].toInt(), 1);
  EXPECT_EQ(rows[1].toObject()[QStringLiteral("Valor")].toDouble(), 250.5);
  EXPECT_EQ(rows[2].toObject()[QStringLiteral("Autenticacao")].toString(), code);
  EXPECT_EQ(rows[2].toObject()[QStringLiteral("CNPJ")].toString(), QStringLiteral("111.444.777-35"));

  run = Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), PathOf(QStringLiteral("de-novo.pdf"))});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral(u"Recibo N°: 0000000001\n"));

  const QStringList first = {QStringLiteral(u"PADARIA SÃO JOÃO"), QStringLiteral(u"N°: 0000000001"),
                             QStringLiteral(u"111.444.777-35 - D'ÁVILA"), QStringLiteral("1.500,00"),
                             QStringLiteral("UM MIL E QUINHENTOS REAIS"), QStringLiteral(u"ALUGUEL DE MARÇO"),
                             QStringLiteral(u"Autenticação: ") + code, QStringLiteral("12.345.678/0001-95")};
  ExpectContains(CheckedPdfText(PathOf(QStringLiteral("um.pdf"))), first);
  ExpectContains(CheckedPdfText(PathOf(QStringLiteral("de-novo.pdf"))), first);
  ExpectContains(CheckedPdfText(PathOf(QStringLiteral("dois.pdf"))),
                 {QStringLiteral("RECIBO DE PAGAMENTO"), QStringLiteral(u"N°: 0000000002"), QStringLiteral("250,50"),
                  QStringLiteral(" - MARIA")});
  EXPECT_TRUE(RedLogoInBothCopies(PathOf(QStringLiteral("um.pdf"))));
  EXPECT_TRUE(RedLogoInBothCopies(PathOf(QStringLiteral("de-novo.pdf"))));
  EXPECT_FALSE(RedLogoInBothCopies(PathOf(QStringLiteral("dois.pdf"))));

  run = Quitanza({QStringLiteral("autenticar"), QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--cliente"),
                  QStringLiteral("d'ávila"), QStringLiteral("--valor"), QStringLiteral("1500")});
  EXPECT_EQ(run.out, code + u'\n');
}

TEST_F(EmitirCommandTest, RefusedInputsExitOneWithTheirMessageAndChangeNothing)
{
  const struct {
    QStringList arguments;
    QString message;
  } cases[] = {
    {{QStringLiteral("--valor"), QStringLiteral("10")}, QStringLiteral("Informe o Cliente.")},
    {{QStringLiteral("--cliente"), QStringLiteral("Ana")}, QStringLiteral("Informe o Valor.")},
    {{QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"), QStringLiteral("0")},
     QStringLiteral("Informe o Valor.")},
    {{QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"), QStringLiteral("10"),
      QStringLiteral("--documento"), QStringLiteral("11144477736")},
     QStringLiteral(u" \" 11144477736 \" não é um CPF válido")},
  };
  for (const auto& c : cases) {
    const ProcessResult run = Quitanza(QStringList{QStringLiteral("emitir")} + c.arguments);
    EXPECT_EQ(run.exitCode, 1) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(run.err, c.message + u'\n');
    EXPECT_TRUE(run.out.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("config.ini"))));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}

TEST_F(EmitirCommandTest, APdfThatCannotBeWrittenIssuesNoReceipt)
{
  WriteSettings("[EMITENTE]\nCODIGO=5\n");
  const ProcessResult run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Ana"),
                                      QStringLiteral("--valor"), QStringLiteral("10"), QStringLiteral("--pdf"),
                                      PathOf(QStringLiteral("nao-existe/recibo.pdf"))});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.err.startsWith(QStringLiteral("Erro ao gerar recibo: "))) << run.err.toStdString();
  EXPECT_EQ(Settings(), QByteArray("[EMITENTE]\nCODIGO=5\n"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}

TEST_F(EmitirCommandTest, APasswordProtectsThePdf)
{
  const QString pdf = PathOf(QStringLiteral("fechado.pdf"));
  ProcessResult run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Ana"),
                                QStringLiteral("--valor"), QStringLiteral("10"), QStringLiteral("--pdf"), pdf,
                                QStringLiteral("--senha"), QStringLiteral("segredo")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(RunTool(QStringLiteral("qpdf"), {QStringLiteral("--requires-password"), pdf}).exitCode, 0);
  const ToolResult opened =
    RunTool(QStringLiteral("qpdf"), {QStringLiteral("--password=segredo"), QStringLiteral("--check"), pdf});
  EXPECT_EQ(opened.exitCode, 0) << opened.output.toStdString();

  run = Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"),
                  QStringLiteral("10"), QStringLiteral("--senha"), QStringLiteral("segredo")});
  EXPECT_EQ(run.exitCode, 2);
}

TEST_F(EmitirCommandTest, ReimprimirNeedsAPdfAndAReceiptOfTheRegister)
{
  WriteRegister({});
  ProcessResult run = Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1")});
  EXPECT_EQ(run.exitCode, 2);
  run = Quitanza({QStringLiteral("reimprimir"), QStringLiteral("1"), QStringLiteral("--pdf"), PathOf(QStringLiteral("r.pdf"))});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral(u"O recibo 1 não está no registro.\n"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("r.pdf"))));
}

// Issuing reads only what it needs of a register in its own form, and takes
// a register of the old program whole, writing it back in its own form.
TEST_F(EmitirCommandTest, IssuingKeepsEveryStoredRowWhateverWroteTheRegister)
{
  const auto issue = [&] {
    return Quitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"), QStringLiteral("10")});
  };
  std::vector<ReceiptRecord> stored(3);
  for (int i = 0; i < 3; ++i) {
    stored[i].Cliente = QStringLiteral(u"CLIENTE Nº %1").arg(i);
    stored[i].Codigo = i == 1 ? 41 : 7 - i;  // the highest number is not the first row's
    stored[i].Valor = Amount::FromTicks(10000 * (i + 1));
  }
  WriteRegister(stored);
  ProcessResult run = issue();
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith(QStringLiteral(u"Recibo N°: 0000000042\n"))) << run.out.toStdString();
  std::vector<ReceiptRecord> rows = Unpacked(ReadRegisterFile(PathOf(QStringLiteral("recibo.xml"))));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].Cliente, QStringLiteral("ANA"));
  EXPECT_EQ(std::vector<ReceiptRecord>(rows.begin() + 1, rows.end()), stored);

  const QString oldProgramFile = QStringLiteral(QUITANZA_TEST_DATA "/platform/recibo-windows1252.xml");
  const std::vector<ReceiptRecord> old = Unpacked(ReadRegisterFile(oldProgramFile));
  ASSERT_TRUE(QFile::remove(PathOf(QStringLiteral("recibo.xml"))));
  ASSERT_TRUE(QFile::copy(oldProgramFile, PathOf(QStringLiteral("recibo.xml"))));
  run = issue();
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  rows = Unpacked(ReadRegisterFile(PathOf(QStringLiteral("recibo.xml"))));
  ASSERT_EQ(rows.size(), old.size() + 1);
  EXPECT_EQ(std::vector<ReceiptRecord>(rows.begin() + 1, rows.end()), old);
  EXPECT_TRUE(Register().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
}
