#include "app/AuthenticationCode.h"
#include "app/DataModule.h"
#include "platform/files/AtomicFile.h"
#include "platform/storage/RegisterFile.h"
#include "tests/app/DataFolderCommandTest.h"
#include "tests/app/RunQuitanza.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using ::testing::ElementsAre;

using DataCommandsTest = DataFolderCommandTest;

TEST_F(DataCommandsTest, ConfigurarWritesTheGivenKeysAsTheWindowsFieldsHoldThem)
{
  WriteSettings("[EMITENTE]\nCODIGO=41\nBAIRRO=Centro\n");
  const ProcessResult run = Quitanza({QStringLiteral("configurar"), QStringLiteral("--empresa"),
                                      QStringLiteral("Padaria São João"), QStringLiteral("--cpf-cnpj"),
                                      QStringLiteral("12345678000195"), QStringLiteral("--telefone"),
                                      QStringLiteral("9832104567"), QStringLiteral("--email"),
                                      QStringLiteral("Padaria@Exemplo.com.br"), QStringLiteral("--site"),
                                      QStringLiteral("WWW.Exemplo.com.br")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral(u"Configuração salva com sucesso!\n"));
  EXPECT_EQ(QString::fromUtf8(Settings()),
            QStringLiteral(u"[EMITENTE]\nCODIGO=41\nBAIRRO=Centro\nEMPRESA=Padaria São João\nTELEFONE=(98)3210-4567\n"
                           u"EMAIL=padaria@exemplo.com.br\nSITE=www.exemplo.com.br\nCFP_CNPJ=12.345.678/0001-95\n"));
}

TEST_F(DataCommandsTest, ConfigurarRefusesWithTheFieldsMessageAndWritesNothing)
{
  WriteSettings("[EMITENTE]\nEMPRESA=Antiga\n");
  const struct {
    const char* option;
    const char16_t* value;
    QString message;
  } cases[] = {
    {"--cpf-cnpj", u"11144477736", QStringLiteral(u" \" 11144477736 \" não é um CPF válido")},
    {"--cpf-cnpj", u"12345678000100", QStringLiteral(u" \" 12345678000100 \" não é um CNPJ válido")},
    {"--telefone", u"12345", QStringLiteral(u" \" 12345 \" não é um número de telefone válido")},
    {"--email", u"Sem.Arroba", QStringLiteral(u" \" sem.arroba \" Formato de E-mail não aceitável")},
    {"--logo", u"/nao/existe.png", QStringLiteral(u"A imagem /nao/existe.png não pode ser lida: Arquivo não encontrado")},
  };
  for (const auto& c : cases) {
    const ProcessResult run = Quitanza({QStringLiteral("configurar"), QStringLiteral("--empresa"),
                                        QStringLiteral("Nova"), QString::fromLatin1(c.option), QString::fromUtf16(c.value)});
    EXPECT_EQ(run.exitCode, 1) << c.option;
    EXPECT_EQ(run.err, c.message + u'\n');
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Settings(), QByteArray("[EMITENTE]\nEMPRESA=Antiga\n"));
  }
}

TEST_F(DataCommandsTest, ConfigurarStoresTheLogosFullPathOrNone)
{
  const QString logo = PathOf(QStringLiteral("logo.png"));
  QImage picture(4, 3, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(logo));

  EXPECT_EQ(Quitanza({QStringLiteral("configurar"), QStringLiteral("--logo"), logo}).exitCode, 0);
  EXPECT_EQ(QString::fromUtf8(Settings()), QStringLiteral("[EMITENTE]\nLOGO=") + logo + u'\n');

  const ProcessResult notAPicture =
    Quitanza({QStringLiteral("configurar"), QStringLiteral("--logo"), PathOf(QStringLiteral("config.ini"))});
  EXPECT_EQ(notAPicture.exitCode, 1);

  EXPECT_EQ(Quitanza({QStringLiteral("configurar"), QStringLiteral("--logo"), QString()}).exitCode, 0);
  EXPECT_EQ(Settings(), QByteArray("[EMITENTE]\nLOGO=\n"));
}

TEST_F(DataCommandsTest, ConfigurarWithoutOptionsShowsTheStoredSettingsAndCreatesNothing)
{
  const ProcessResult empty = Quitanza({QStringLiteral("configurar")});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out,
            QStringLiteral("EMPRESA=\nENDERECO=\nCIDADE=\nTELEFONE=\nEMAIL=\nSITE=\nLOGO=\nBAIRRO=\nCFP_CNPJ=\n"));
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("config.ini"))));

  WriteSettings("[emitente]\nempresa=Loja\n");
  EXPECT_TRUE(Quitanza({QStringLiteral("configurar")}).out.startsWith(QStringLiteral("EMPRESA=Loja\n")));
}

TEST_F(DataCommandsTest, AutenticarPrintsTheCodeOfTheReceiptAsPrinted)
{
  ASSERT_EQ(Quitanza({QStringLiteral("configurar"), QStringLiteral("--cpf-cnpj"), QStringLiteral("12345678000195")}).exitCode, 0);
  const ProcessResult run = Quitanza({QStringLiteral("autenticar"), QStringLiteral("--numero"), QStringLiteral("42"),
                                      QStringLiteral("--cliente"), QStringLiteral("d'ávila e filhos ltda"),
                                      QStringLiteral("--valor"), QStringLiteral("1500")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, CodigoAutenticacao(QStringLiteral("1.500,00"), QStringLiteral("12.345.678/0001-95"), 42,
                                        QStringLiteral(u"D'ÁVILA E FILHOS LTDA")) +
                       u'\n');
}

TEST_F(DataCommandsTest, AutenticarRefusesWhatTheWindowRefuses)
{
  const struct {
    QStringList arguments;
    const char16_t* message;
  } cases[] = {
    {{QStringLiteral("--cliente"), QStringLiteral("ANA"), QStringLiteral("--valor"), QStringLiteral("1")},
     u"Informe o código do recibo."},
    {{QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--valor"), QStringLiteral("1")},
     u"Informe o Cliente."},
    {{QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--cliente"), QStringLiteral("ANA")},
     u"Informe o Valor."},
    {{QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--cliente"), QStringLiteral("ANA"),
      QStringLiteral("--valor"), QStringLiteral("0,00")},
     u"Informe o Valor."},
    {{QStringLiteral("--numero"), QStringLiteral("N42"), QStringLiteral("--cliente"), QStringLiteral("ANA"),
      QStringLiteral("--valor"), QStringLiteral("1")},
     u"O número do recibo só tem algarismos: N42"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = Quitanza(QStringList{QStringLiteral("autenticar")} + c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QString::fromUtf16(c.message) + u'\n');
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST_F(DataCommandsTest, ListarShowsTheRegisterInItsOrder)
{
  ReceiptRecord pagamento = Receipt(2);
  pagamento.Tipo = 1;
  pagamento.Cliente = QStringLiteral(u"D'ÁVILA");
  pagamento.Valor = Amount::FromBrazilianText(QStringLiteral("1.234,5"));
  pagamento.Data = QDateTime(QDate(2026, 12, 11), QTime(9, 5, 30));
  WriteRegister({Receipt(9), pagamento});

  const ProcessResult text = Quitanza({QStringLiteral("listar")});
  EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
  EXPECT_EQ(text.out, QStringLiteral(u"Número\tTipo\tValor\tCPF/CNPJ\tCliente\tAutenticação\tEmitido em\n"
                                     u"9\tRecebimento\t9,00\t12345678000195\tCLIENTE 9\t70350F6027BCE3713F6B76473084309B\t\n"
                                     u"2\tPagamento\t1.234,50\t12345678000195\tD'ÁVILA\t70350F6027BCE3713F6B76473084309B"
                                     u"\t11/12/2026 09:05\n"));

  const ProcessResult json = Quitanza({QStringLiteral("listar"), QStringLiteral("--json")});
  EXPECT_EQ(json.exitCode, 0);
  const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
  ASSERT_EQ(rows.size(), 2);
  // Written row by row, laid out as the whole document would be.
  EXPECT_EQ(json.out.toUtf8(), QJsonDocument(rows).toJson(QJsonDocument::Indented));
  const QJsonObject second = rows.at(1).toObject();
  EXPECT_EQ(second.keys(), QStringList({QStringLiteral("Autenticacao"), QStringLiteral("CNPJ"), QStringLiteral("Cliente"),
                                        QStringLiteral("Codigo"), QStringLiteral("Data"), QStringLiteral("Referente"),
                                        QStringLiteral("Tipo"), QStringLiteral("Valor")}));
  EXPECT_EQ(second.value(u"Data").toString(), QStringLiteral("2026-12-11T09:05:30"));
  EXPECT_TRUE(rows.at(0).toObject().value(u"Data").isNull());
  EXPECT_EQ(second.value(u"Cliente").toString(), QStringLiteral(u"D'ÁVILA"));
  EXPECT_TRUE(second.value(u"Valor").isDouble());
  EXPECT_EQ(second.value(u"Valor").toDouble(), 1234.5);
  EXPECT_EQ(second.value(u"Tipo").toInt(), 1);
  EXPECT_EQ(second.value(u"Codigo").toInt(), 2);
  EXPECT_EQ(second.value(u"Referente").toString(), QStringLiteral(u"Parcela 2\nà vista"));
  EXPECT_EQ(rows.at(0).toObject().value(u"Codigo").toInt(), 9);
}

TEST_F(DataCommandsTest, ListarWithoutRegisterListsNothingAndCreatesNothing)
{
  const ProcessResult json = Quitanza({QStringLiteral("listar"), QStringLiteral("--json")});
  EXPECT_EQ(json.exitCode, 0);
  EXPECT_EQ(json.out, QStringLiteral("[\n]\n"));
  EXPECT_EQ(Quitanza({QStringLiteral("listar")}).out.count(u'\n'), 1) << "the header line alone";
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("recibo.xml"))));
}

TEST_F(DataCommandsTest, ListarReportsAnUnreadableRegister)
{
  WriteFileAtomically(PathOf(QStringLiteral("recibo.xml")), QByteArray("not xml"));
  const ProcessResult run = Quitanza({QStringLiteral("listar")});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.err.startsWith(QStringLiteral(u"Não foi possível ler "))) << run.err.toStdString();
  EXPECT_EQ(Register(), QByteArray("not xml"));
}

TEST_F(DataCommandsTest, ExcluirAsksAndRemovesTheFirstReceiptWithThatNumberFromTheFile)
{
  WriteRegister({Receipt(1), Receipt(2), Receipt(2), Receipt(3)});
  const QByteArray before = Register();

  const ProcessResult unconfirmed = Quitanza({QStringLiteral("excluir"), QStringLiteral("2")});
  EXPECT_EQ(unconfirmed.exitCode, 1);
  EXPECT_EQ(unconfirmed.err, QStringLiteral("Deseja realmente excluir? Confirme com --sim.\n"));
  EXPECT_EQ(Register(), before);

  const ProcessResult missing = Quitanza({QStringLiteral("excluir"), QStringLiteral("4"), QStringLiteral("--sim")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, QStringLiteral(u"O recibo 4 não está no registro.\n"));
  EXPECT_EQ(Register(), before);

  const ProcessResult confirmed = Quitanza({QStringLiteral("excluir"), QStringLiteral("2"), QStringLiteral("--sim")});
  EXPECT_EQ(confirmed.exitCode, 0) << confirmed.err.toStdString();
  EXPECT_EQ(confirmed.out, QStringLiteral(u"Recibo 2 excluído.\n"));
  const std::vector<ReceiptRecord> left = Unpacked(ReadRegisterFile(PathOf(QStringLiteral("recibo.xml"))));
  EXPECT_THAT(Codigos(left), ElementsAre(1, 2, 3));
}

// The test process holds the folder as the desktop program does for its whole
// run: commands that write wait for it, then give up; commands that only read
// need no lock and go ahead.
TEST_F(DataCommandsTest, AFolderInUseByAnotherProcessStopsWritersButNotReaders)
{
  WriteSettings("[EMITENTE]\nCFP_CNPJ=12345678000195\n");
  WriteRegister({Receipt(1)});
  const QByteArray settings = Settings();
  const QByteArray receipts = Register();
  const DataModule holder(Folder.path());

  const QStringList writers[] = {
    {QStringLiteral("configurar"), QStringLiteral("--empresa"), QStringLiteral("Outra")},
    {QStringLiteral("excluir"), QStringLiteral("1"), QStringLiteral("--sim")},
  };
  const QString inUse = QStringLiteral(u"Os dados em %1 estão em uso por outro processo do Quitanza.\n").arg(Folder.path());
  for (const QStringList& command : writers) {
    QElapsedTimer waited;
    waited.start();
    const ProcessResult run = Quitanza(command);
    EXPECT_EQ(run.exitCode, 3) << command.first().toStdString();
    EXPECT_EQ(run.err, inUse);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_GE(waited.elapsed(), 10000) << command.first().toStdString() << " gave up without waiting";
  }
  EXPECT_EQ(Settings(), settings);
  EXPECT_EQ(Register(), receipts);

  const QStringList readers[] = {
    {QStringLiteral("configurar")},
    {QStringLiteral("autenticar"), QStringLiteral("--numero"), QStringLiteral("1"), QStringLiteral("--cliente"),
     QStringLiteral("ANA"), QStringLiteral("--valor"), QStringLiteral("1")},
    {QStringLiteral("listar")},
  };
  for (const QStringList& command : readers) {
    const ProcessResult run = Quitanza(command);
    EXPECT_EQ(run.exitCode, 0) << command.first().toStdString() << ": " << run.err.toStdString();
  }
}

// A writer that meets the folder in use waits for it to be let go.
TEST_F(DataCommandsTest, AWriterWaitsForTheFolderToBeLetGo)
{
  auto holder = std::make_unique<DataModule>(Folder.path());
  const std::unique_ptr<QProcess> writer = StartQuitanza(
    {QStringLiteral("configurar"), QStringLiteral("--empresa"), QStringLiteral("Outra"), QStringLiteral("--dados"),
     Folder.path()});
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  holder.reset();
  const ProcessResult run = FinishQuitanza(*writer);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(Settings().contains("EMPRESA=Outra"));
}

// Reading writes nothing, not even a lock file.
TEST_F(DataCommandsTest, ReadersLeaveNoLockBehind)
{
  WriteRegister({Receipt(1)});
  const ProcessResult run = Quitanza({QStringLiteral("listar")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("quitanza.lock"))));
}
