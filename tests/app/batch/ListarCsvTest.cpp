#include "tests/app/DataFolderCommandTest.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::platform;

using ListarCsvTest = DataFolderCommandTest;

namespace {

// The rows of a CSV file as Python's csv module reads it, the way a
// spreadsheet user's script would: UTF-8 with its byte order mark, ';'.
QJsonArray ReadWithPython(const QString& path)
{
  QProcess python;
  python.start(QStringLiteral("python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import csv, json, sys\n"
                               "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                               "    json.dump(list(csv.reader(f, delimiter=';')), sys.stdout)\n"),
                path});
  EXPECT_TRUE(python.waitForFinished(30000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QJsonArray Strings(const QStringList& texts)
{
  return QJsonArray::fromStringList(texts);
}

}  // namespace

TEST_F(ListarCsvTest, ASpreadsheetReadsBackTheStoredValues)
{
  ReceiptRecord tricky = Receipt(2);
  tricky.Tipo = 1;
  tricky.Cliente = QStringLiteral(u"D'ÁVILA; \"JR\"");
  tricky.CNPJ = QStringLiteral("12.ABC.345/01DE-35");
  tricky.Valor = Amount::FromTicks(-12345678901);  // -1.234.567,8901
  tricky.Referente = QStringLiteral(u"Aluguel de março\nparcela única");
  tricky.Data = QDateTime(QDate(2026, 12, 11), QTime(9, 5, 30));
  ReceiptRecord plain = Receipt(9);
  plain.Valor = Amount::FromTicks(15000000);
  WriteRegister({plain, tricky});

  const std::unique_ptr<QProcess> listar =
    StartQuitanza({QStringLiteral("listar"), QStringLiteral("--csv"), QStringLiteral("--dados"), Folder.path()});
  ASSERT_TRUE(listar->waitForFinished(30000));
  ASSERT_EQ(listar->exitCode(), 0) << listar->readAllStandardError().toStdString();
  const QByteArray csv = listar->readAllStandardOutput();
  EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" "N\xC3\xBAmero;Data;")) << csv.left(20).toStdString();
  EXPECT_TRUE(csv.endsWith("\r\n"));
  const QString path = PathOf(QStringLiteral("registro.csv"));
  WriteFileAtomically(path, csv);

  const QJsonArray rows = ReadWithPython(path);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], Strings({QStringLiteral(u"Número"), QStringLiteral("Data"), QStringLiteral("Tipo"), QStringLiteral("Cliente"),
                              QStringLiteral("CPF/CNPJ"), QStringLiteral("Valor"), QStringLiteral("Referente"),
                              QStringLiteral(u"Autenticação")}));
  EXPECT_EQ(rows[1], Strings({QStringLiteral("9"), QString(), QStringLiteral("Recebimento"), plain.Cliente, plain.CNPJ,
                              QStringLiteral("1500,00"), plain.Referente, plain.Autenticacao}));
  EXPECT_EQ(rows[2], Strings({QStringLiteral("2"), QStringLiteral("11/12/2026"), QStringLiteral("Pagamento"), tricky.Cliente,
                              tricky.CNPJ, QStringLiteral("-1234567,8901"), tricky.Referente, tricky.Autenticacao}));
}

TEST_F(ListarCsvTest, DeAndAteKeepTheReceiptsIssuedInThosePeriods)
{
  std::vector<ReceiptRecord> records;
  const QDate days[] = {QDate(2026, 11, 30), QDate(2026, 12, 1), QDate(2026, 12, 15), QDate(2026, 12, 31)};
  for (int codigo = 1; codigo <= 4; ++codigo) {
    ReceiptRecord record = Receipt(codigo);
    record.Data = QDateTime(days[codigo - 1], QTime(23, 59));
    records.push_back(record);
  }
  records.push_back(Receipt(5));  // stored before dates were kept
  for (ReceiptRecord& record : records)
    record.Referente = QStringLiteral("Parcela");  // one line per row, for splitting the listings
  WriteRegister(records);

  const struct {
    QStringList options;
    QStringList numbers;
  } cases[] = {
    {{}, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}},
    {{QStringLiteral("--de"), QStringLiteral("01/12/2026")}, {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}},
    {{QStringLiteral("--ate"), QStringLiteral("1/12/2026")}, {QStringLiteral("1"), QStringLiteral("2")}},
    {{QStringLiteral("--de"), QStringLiteral("02/12/2026"), QStringLiteral("--ate"), QStringLiteral("31/12/2026")},
     {QStringLiteral("3"), QStringLiteral("4")}},
  };
  for (const auto& c : cases) {
    for (const QString& format : {QStringLiteral("--csv"), QStringLiteral("--json"), QString()}) {
      QStringList arguments{QStringLiteral("listar")};
      if (!format.isEmpty())
        arguments << format;
      const ProcessResult run = Quitanza(arguments + c.options);
      ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
      QStringList numbers;
      if (format == u"--json") {
        for (const QJsonValue row : QJsonDocument::fromJson(run.out.toUtf8()).array())
          numbers << QString::number(row.toObject().value(u"Codigo").toInt());
      } else {
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts).mid(1);  // past the header
        for (const QString& line : lines)
          numbers << line.section(format.isEmpty() ? u'\t' : u';', 0, 0);
      }
      EXPECT_EQ(numbers, c.numbers) << c.options.join(u' ').toStdString() << " " << format.toStdString();
    }
  }
}

TEST_F(ListarCsvTest, TheTextListingHasAHeaderAndTheIssueDate)
{
  ReceiptRecord record = Receipt(3);
  record.Data = QDateTime(QDate(2026, 12, 11), QTime(9, 5));
  WriteRegister({record});
  const ProcessResult run = Quitanza({QStringLiteral("listar")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList lines = run.out.split(u'\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringLiteral(u"Número\tTipo\tValor\tCPF/CNPJ\tCliente\tAutenticação\tEmitido em"));
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\t11/12/2026 09:05"))) << lines[1].toStdString();
}

TEST_F(ListarCsvTest, RefusesADayThatIsNoneAndTwoFormats)
{
  ProcessResult run = Quitanza({QStringLiteral("listar"), QStringLiteral("--csv"), QStringLiteral("--de"), QStringLiteral("31/02/2026")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral(u"\"31/02/2026\" não é uma data: escreva-a como dd/mm/aaaa.\n"));
  EXPECT_TRUE(run.out.isEmpty());
  run = Quitanza({QStringLiteral("listar"), QStringLiteral("--csv"), QStringLiteral("--json")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
}
