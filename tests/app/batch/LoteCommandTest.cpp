#include "tests/app/DataFolderCommandTest.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"
#include "tests/report/output/PdfTools.h"
#include "tests/support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace quitanza::platform;

using ::testing::ElementsAre;

namespace {

const QString Header = QStringLiteral("cliente;documento;valor;referente;tipo\n");

// Three receipts as a spreadsheet lists them, and the same as emitir's arguments.
const QString ThreeRows = Header + QStringLiteral(u"d'ávila;11144477735;1500;\"Aluguel de março\nparcela única\";\n"
                                                  u"Maria;;250,5;Conserto;pagamento\n"
                                                  u"José;12.ABC.345/01DE-35;99;Mensalidade;\n");
const QStringList ThreeEmitir[] = {
  {QStringLiteral("--cliente"), QStringLiteral(u"d'ávila"), QStringLiteral("--documento"), QStringLiteral("11144477735"),
   QStringLiteral("--valor"), QStringLiteral("1500"), QStringLiteral("--referente"),
   QStringLiteral(u"Aluguel de março\nparcela única")},
  {QStringLiteral("--cliente"), QStringLiteral("Maria"), QStringLiteral("--valor"), QStringLiteral("250,5"),
   QStringLiteral("--referente"), QStringLiteral("Conserto"), QStringLiteral("--tipo"), QStringLiteral("pagamento")},
  {QStringLiteral("--cliente"), QStringLiteral(u"José"), QStringLiteral("--documento"), QStringLiteral("12.ABC.345/01DE-35"),
   QStringLiteral("--valor"), QStringLiteral("99"), QStringLiteral("--referente"), QStringLiteral("Mensalidade")},
};

int PageCount(const QString& pdf)
{
  const ToolResult pages = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), pdf});
  EXPECT_EQ(pages.exitCode, 0) << pages.output.toStdString();
  return pages.output.trimmed().toInt();
}

// The register without the moments of issue, which differ from run to run.
std::vector<ReceiptRecord> Undated(std::vector<ReceiptRecord> records)
{
  for (ReceiptRecord& record : records) {
    EXPECT_TRUE(record.Data.isValid());
    record.Data = {};
  }
  return records;
}

class LoteCommandTest : public DataFolderCommandTest {
protected:
  LoteCommandTest()
  {
    for (const QTemporaryDir* folder : {&Folder, &Other}) {
      const ProcessResult run = RunQuitanza({QStringLiteral("configurar"), QStringLiteral("--dados"), folder->path(),
                                             QStringLiteral("--empresa"), QStringLiteral(u"Padaria São João"),
                                             QStringLiteral("--cpf-cnpj"), QStringLiteral("12345678000195")});
      EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
  }

  QString WriteCsv(const QString& text, const QString& name = QStringLiteral("lote.csv")) const
  {
    const QString path = Other.filePath(name);
    WriteFileAtomically(path, text.toUtf8());
    return path;
  }
  std::vector<ReceiptRecord> Stored() const { return Unpacked(ReadRegisterFile(PathOf(QStringLiteral("recibo.xml")))); }
  QByteArray Counter() const
  {
    const QByteArray settings = Settings();
    return settings.mid(settings.indexOf("CODIGO=")).trimmed();
  }

  QTemporaryDir Other;  // the files a batch reads and writes, and another data folder
};

}  // namespace

// The text of one page as laid out on it.
QString PageText(const QString& pdf, int page)
{
  const QString number = QString::number(page);
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                                                QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
  EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
  return text.output;
}

TEST_F(LoteCommandTest, ABatchIssuesEachRowAsEmitirIssuesIt)
{
  // A fourth receipt of the type before it: receipts of one type follow
  // each other in a batch as well as alternate. Both issuers print a logo.
  const QString logo = Other.filePath(QStringLiteral("logo.png"));
  QImage red(40, 20, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(logo));
  for (const QTemporaryDir* folder : {&Folder, &Other}) {
    const ProcessResult run =
      RunQuitanza({QStringLiteral("configurar"), QStringLiteral("--dados"), folder->path(), QStringLiteral("--logo"), logo});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  }
  QStringList codes;
  QStringList pages;
  std::vector<QImage> looks;
  const QStringList fourth = {QStringLiteral("--cliente"), QStringLiteral("Ana"), QStringLiteral("--valor"),
                              QStringLiteral("10"), QStringLiteral("--referente"), QStringLiteral("Taxa")};
  for (const QStringList& arguments : {ThreeEmitir[0], ThreeEmitir[1], ThreeEmitir[2], fourth}) {
    const QString own = Other.filePath(QStringLiteral("emitir.pdf"));
    const ProcessResult run = RunQuitanza(QStringList{QStringLiteral("emitir"), QStringLiteral("--dados"), Other.path(),
                                                      QStringLiteral("--pdf"), own} + arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    codes << run.out.section(u'\n', 1, 1).section(u' ', 1);
    pages << PageText(own, 1);
    looks.push_back(RenderPdfPage(own, 1, 40));
  }

  const QString pdf = PathOf(QStringLiteral("lote.pdf"));
  const ProcessResult run =
    Quitanza({QStringLiteral("lote"), WriteCsv(ThreeRows + QStringLiteral("Ana;;10;Taxa;\n")), QStringLiteral("--pdf"), pdf});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral(u"N°: 0000000001\t%1\tD'ÁVILA\nN°: 0000000002\t%2\tMARIA\nN°: 0000000003\t%3\tJOSÉ\n"
                                    u"N°: 0000000004\t%4\tANA\n")
                       .arg(codes[0], codes[1], codes[2], codes[3]));
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

  const std::vector<ReceiptRecord> oneByOne = Unpacked(ReadRegisterFile(Other.filePath(QStringLiteral("recibo.xml"))));
  EXPECT_EQ(Undated(Stored()), Undated(oneByOne));
  EXPECT_EQ(Counter(), QByteArray("CODIGO=4"));
  ASSERT_EQ(PageCount(pdf), 4);
  for (int page = 1; page <= 4; ++page) {
    EXPECT_EQ(PageText(pdf, page), pages[page - 1]) << "page " << page;
    EXPECT_EQ(RenderPdfPage(pdf, page, 40), looks[static_cast<std::size_t>(page - 1)]) << "page " << page;
  }
  EXPECT_TRUE(pages[2].contains(QStringLiteral("12.ABC.345/01DE-35"))) << pages[2].toStdString();
}

TEST_F(LoteCommandTest, APdfPerReceiptIsNamedByItsNumber)
{
  WriteSettings(Settings() + "CODIGO=41\n");
  const QString folder = Other.filePath(QStringLiteral("recibos"));
  const ProcessResult run = Quitanza({QStringLiteral("lote"), WriteCsv(ThreeRows), QStringLiteral("--pasta-pdf"), folder});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(QDir(folder).entryList(QDir::Files),
            QStringList({QStringLiteral("0000000042.pdf"), QStringLiteral("0000000043.pdf"), QStringLiteral("0000000044.pdf")}));
  for (const QString& name : QDir(folder).entryList(QDir::Files))
    EXPECT_EQ(PageCount(QDir(folder).filePath(name)), 1) << name.toStdString();
  EXPECT_THAT(Codigos(Stored()), ElementsAre(44, 43, 42));
  EXPECT_EQ(Counter(), QByteArray("CODIGO=44"));
}

// Each receipt's PDF waits open beside its place until the register is
// saved: more receipts than a desktop's usual limit of open files.
TEST_F(LoteCommandTest, APdfPerReceiptForMoreReceiptsThanTheUsualLimitOfOpenFiles)
{
  QString rows = Header;
  for (int i = 1; i <= 120; ++i)
    rows += QStringLiteral("Cliente %1;;%1;;\n").arg(i);
  const QString folder = Other.filePath(QStringLiteral("recibos"));
  QProcess shell;
  shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("ulimit -Sn 100 && exec \"$0\" \"$@\""),
                                     QStringLiteral(QUITANZA_BINARY_DIR "/app/quitanza"), QStringLiteral("lote"),
                                     WriteCsv(rows), QStringLiteral("--pasta-pdf"), folder, QStringLiteral("--dados"),
                                     Folder.path()});
  ASSERT_TRUE(shell.waitForFinished(60000));
  EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
  EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 120);
  EXPECT_EQ(Codigos(Stored()).size(), 120u);
}

// The third receipt fails: as a Pagamento whose template is damaged, or
// because its PDF's name is taken by a folder. The two before it are stored
// with their pages, and the next issue goes on from them.
TEST_F(LoteCommandTest, AFailurePartWayStoresTheReceiptsBeforeItWithTheirPages)
{
  const QString rows = Header + QStringLiteral("Ana;;10;;\nBia;;20;;\nCia;;30;;pagamento\nDani;;40;;\n");
  const struct {
    const char* fault;
    QString output;
  } cases[] = {
    {"damaged template", QStringLiteral("--pdf")},
    {"PDF name taken", QStringLiteral("--pasta-pdf")},
  };
  for (const auto& c : cases) {
    QTemporaryDir data;
    ASSERT_EQ(RunQuitanza({QStringLiteral("configurar"), QStringLiteral("--dados"), data.path(), QStringLiteral("--empresa"),
                           QStringLiteral("Padaria")})
                .exitCode,
              0);
    const QString pdfs = data.filePath(QStringLiteral("recibos"));
    const QString target = c.output == u"--pdf" ? data.filePath(QStringLiteral("lote.pdf")) : pdfs;
    if (c.output == u"--pdf")
      WriteFileAtomically(data.filePath(QStringLiteral("Pagar.fr3")), QByteArray("<TfrxReport><broken"));
    else
      ASSERT_TRUE(QDir().mkpath(QDir(pdfs).filePath(QStringLiteral("0000000003.pdf"))));

    const ProcessResult run = RunQuitanza({QStringLiteral("lote"), WriteCsv(rows), c.output, target, QStringLiteral("--dados"), data.path()});
    EXPECT_EQ(run.exitCode, 3) << c.fault;
    EXPECT_THAT(run.err.toStdString(), ::testing::StartsWith("Erro ao gerar recibo: ")) << c.fault;
    EXPECT_THAT(run.err.toStdString(), ::testing::HasSubstr("(linha 4 do arquivo, que seria o recibo N°: 0000000003)"));
    EXPECT_THAT(run.err.toStdString(),
                ::testing::EndsWith("Guardados 2 recibos do lote, de N°: 0000000001 a N°: 0000000002; o último recibo "
                                    "emitido é N°: 0000000002.\n"))
      << c.fault;
    EXPECT_EQ(run.out.count(u'\n'), 2) << c.fault;
    EXPECT_THAT(Codigos(Unpacked(ReadRegisterFile(data.filePath(QStringLiteral("recibo.xml"))))), ElementsAre(2, 1)) << c.fault;
    EXPECT_TRUE(ReadWholeFile(data.filePath(QStringLiteral("config.ini"))).endsWith("CODIGO=2\n")) << c.fault;
    if (c.output == u"--pdf") {
      EXPECT_EQ(PageCount(target), 2);
    } else {
      EXPECT_EQ(QDir(pdfs).entryList(QDir::Files), QStringList({QStringLiteral("0000000001.pdf"), QStringLiteral("0000000002.pdf")}));
    }

    const ProcessResult next = RunQuitanza({QStringLiteral("emitir"), QStringLiteral("--cliente"), QStringLiteral("Eva"),
                                            QStringLiteral("--valor"), QStringLiteral("5"), QStringLiteral("--dados"), data.path()});
    EXPECT_TRUE(next.out.startsWith(QStringLiteral(u"Recibo N°: 0000000003\n"))) << c.fault << next.err.toStdString();
  }
}

TEST_F(LoteCommandTest, APdfThatCannotBeWrittenStoresNoReceipt)
{
  const QByteArray settings = Settings();
  const ProcessResult run = Quitanza({QStringLiteral("lote"), WriteCsv(ThreeRows), QStringLiteral("--pdf"),
                                      Other.filePath(QStringLiteral("nao-existe/lote.pdf"))});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.err.toStdString(), ::testing::EndsWith("\nNenhum recibo do lote foi guardado.\n"));
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
  EXPECT_EQ(Settings(), settings);
}

TEST_F(LoteCommandTest, ADiskThatFillsUpUnderThePdfStoresNoReceipt)
{
  const SmallDisk disk(64);
  if (!disk.Mounted())
    GTEST_SKIP() << "mounting a small disk needs root";
  QString rows = Header;
  for (int i = 1; i <= 100; ++i)
    rows += QStringLiteral("Cliente %1;;%1;;\n").arg(i);
  const QByteArray settings = Settings();
  const ProcessResult run = Quitanza({QStringLiteral("lote"), WriteCsv(rows), QStringLiteral("--pdf"), disk.FilePath(QStringLiteral("lote.pdf"))});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.err.toStdString(), ::testing::StartsWith("Erro ao gerar recibo: "));
  EXPECT_THAT(run.err.toStdString(), ::testing::EndsWith("\nNenhum recibo do lote foi guardado.\n"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
  EXPECT_EQ(Settings(), settings);
  EXPECT_TRUE(QDir(disk.Path()).entryList(QDir::Files).isEmpty()) << "no cut PDF is left behind";
}

TEST_F(LoteCommandTest, RefusedRowsAreAllListedAndNothingIsIssued)
{
  const ProcessResult run =
    Quitanza({QStringLiteral("lote"), WriteCsv(Header + QStringLiteral("Ana;;10;;\n;;5;;\nBia;;0;;\nCia;;7;;\n"))});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral("Linha 3: Informe o Cliente.\nLinha 4: Informe o Valor.\n"
                                    "Nenhum recibo foi emitido: 2 de 4 linhas recusadas.\n"));
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}

TEST_F(LoteCommandTest, SimularShowsWhatWouldBeIssuedAndStoresNothing)
{
  WriteRegister({Receipt(7)});
  const QByteArray before = Register();
  const ProcessResult run = Quitanza({QStringLiteral("lote"), WriteCsv(ThreeRows), QStringLiteral("--simular")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral(u"N°: 0000000008\tRecebimento\t1.500,00\t111.444.777-35\tD'ÁVILA\n"
                                    u"N°: 0000000009\tPagamento\t250,50\t\tMARIA\n"
                                    u"N°: 0000000010\tRecebimento\t99,00\t12.ABC.345/01DE-35\tJOSÉ\n"
                                    u"3 recibos seriam emitidos; nada foi guardado.\n"));
  EXPECT_EQ(Register(), before);
  EXPECT_FALSE(Settings().contains("CODIGO"));
}
