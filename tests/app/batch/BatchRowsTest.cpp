#include "app/batch/BatchRows.h"
#include "doclib/InvalidInputError.h"
#include "tests/doclib/PrintQString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace quitanza::app;
using namespace quitanza::doclib;

namespace {

// A row as the test writes it: line, client, document, amount, referente, type.
struct Row {
  int Line;
  QString Cliente;
  QString CNPJ;
  QString Valor;
  QString Referente;
  int Tipo;
};

std::vector<Row> RowsOf(const BatchRows& batch)
{
  std::vector<Row> rows;
  for (const BatchRow& row : batch.Rows)
    rows.push_back({row.Line, row.Entry.Cliente, row.Entry.CNPJ, row.Entry.Valor, row.Entry.Referente, row.Entry.Tipo});
  return rows;
}

bool operator==(const Row& a, const Row& b)
{
  return a.Line == b.Line && a.Cliente == b.Cliente && a.CNPJ == b.CNPJ && a.Valor == b.Valor &&
         a.Referente == b.Referente && a.Tipo == b.Tipo;
}

void PrintTo(const Row& row, std::ostream* os)
{
  *os << row.Line << " " << row.Cliente.toStdString() << "|" << row.CNPJ.toStdString() << "|"
      << row.Valor.toStdString() << "|" << row.Referente.toStdString() << "|" << row.Tipo;
}

struct ShapeCase {
  const char* name;
  QByteArray csv;
  std::vector<Row> rows;
};

}  // namespace

TEST(BatchRowsTest, ReadsTheShapesSpreadsheetsExport)
{
  const ShapeCase cases[] = {
    {"semicolons, UTF-8 without a byte order mark",
     "cliente;documento;valor;referente\nMaria;11144477735;1500;Aluguel\n",
     {{2, QStringLiteral("MARIA"), QStringLiteral("111.444.777-35"), QStringLiteral("1.500,00"), QStringLiteral("Aluguel"), 0}}},
    {"commas, byte order mark, CR LF, a quoted amount",
     "\xEF\xBB\xBF" "cliente,documento,valor,referente\r\nJos\xC3\xA9,12.ABC.345/01DE-35,\"1.500,5\",Aluguel\r\n",
     {{2, QStringLiteral(u"JOSÉ"), QStringLiteral("12.ABC.345/01DE-35"), QStringLiteral("1.500,50"), QStringLiteral("Aluguel"), 0}}},
    {"Windows-1252, no line end at the end",
     "cliente;documento;valor;referente\r\nJos\xE9;;99,5;Mar\xE7o",
     {{2, QStringLiteral(u"JOSÉ"), QString(), QStringLiteral("99,50"), QStringLiteral(u"Março"), 0}}},
    {"quoted line breaks and quotes, columns in another order",
     "referente;valor;cliente;documento;obs\n\"linha 1\r\nlinha 2\";10;\"D'\xC3\x81VILA \"\"JR\"\"\";;x\nfim;-5,00;Ana;;\n",
     {{2, QStringLiteral(u"D'ÁVILA \"JR\""), QString(), QStringLiteral("10,00"), QStringLiteral("linha 1\nlinha 2"), 0},
      {4, QStringLiteral("ANA"), QString(), QStringLiteral("-5,00"), QStringLiteral("fim"), 0}}},
    {"empty rows, the type column, header in capitals",
     "Cliente;Documento;Valor;Referente;Tipo\n;;;;\nAna;;5;;PAGAMENTO\n;;;;\nBia;;6;;\n\n",
     {{3, QStringLiteral("ANA"), QString(), QStringLiteral("5,00"), QString(), 1},
      {5, QStringLiteral("BIA"), QString(), QStringLiteral("6,00"), QString(), 0}}},
  };
  for (const ShapeCase& c : cases) {
    const BatchRows batch = ReadBatchRows(c.csv, 0);
    EXPECT_THAT(batch.Refused, ::testing::IsEmpty()) << c.name;
    EXPECT_THAT(RowsOf(batch), ::testing::ElementsAreArray(c.rows)) << c.name;
  }
}

TEST(BatchRowsTest, TheDefaultTypeFillsRowsWithoutOne)
{
  const BatchRows batch = ReadBatchRows("cliente;documento;valor;referente;tipo\nAna;;5;;\nBia;;6;;recebimento\n", 1);
  ASSERT_EQ(batch.Rows.size(), 2u);
  EXPECT_EQ(batch.Rows[0].Entry.Tipo, 1);
  EXPECT_EQ(batch.Rows[1].Entry.Tipo, 0);
}

TEST(BatchRowsTest, ListsEveryRowTheWindowWouldRefuse)
{
  const BatchRows batch = ReadBatchRows("cliente;documento;valor;referente;tipo\n"
                                        ";;10;sem nome;\n"
                                        "Ana;;0;zero;\n"
                                        "Bia;11144477700;5;dv errado;\n"
                                        "Cia;;10.5;ponto;\n"
                                        "Dani;;5;certa;\n"
                                        "Eva;;1,5;virgula solta;;x\n"
                                        "Fabi;;5;;doacao\n",
                                        0);
  ASSERT_EQ(batch.Rows.size(), 1u);
  EXPECT_EQ(batch.Rows[0].Line, 6);
  std::vector<int> lines;
  for (const RefusedRow& refused : batch.Refused)
    lines.push_back(refused.Line);
  EXPECT_THAT(lines, ::testing::ElementsAre(2, 3, 4, 5, 7, 8));
  ASSERT_EQ(batch.Refused.size(), 6u);
  EXPECT_EQ(batch.Refused[0].Message, QStringLiteral("Informe o Cliente."));
  EXPECT_EQ(batch.Refused[1].Message, QStringLiteral("Informe o Valor."));
  EXPECT_FALSE(batch.Refused[2].Message.isEmpty());
  EXPECT_TRUE(batch.Refused[3].Message.startsWith(QStringLiteral(u"\"10.5\" não é um valor"))) << batch.Refused[3].Message.toStdString();
  EXPECT_EQ(batch.Refused[4].Message, QStringLiteral("a linha tem 6 campos e o cabeçalho, 5."));
  EXPECT_EQ(batch.Refused[5].Message, QStringLiteral("Tipo desconhecido: doacao (recebimento ou pagamento)."));
}

TEST(BatchRowsTest, RefusesAFileItCannotReadAsABatch)
{
  const std::pair<QByteArray, QString> cases[] = {
    {"cliente;documento;referente\nAna;;x\n",
     QStringLiteral(u"Falta a coluna valor no cabeçalho (colunas: cliente, documento, valor, referente e, se quiser, tipo).")},
    {"", QStringLiteral(u"O arquivo está vazio: falta o cabeçalho cliente;documento;valor;referente.")},
    {"cliente;documento;valor;referente\n;;;\n", QStringLiteral(u"O arquivo não tem nenhum recibo: só o cabeçalho.")},
    {"cliente;documento;valor;referente\nAna;;5;\"aberta\n\nBia;;6;x\n",
     QStringLiteral("Linha 2: aspas abertas e nunca fechadas.")},
  };
  for (const auto& [csv, message] : cases) {
    try {
      ReadBatchRows(csv, 0);
      ADD_FAILURE() << "accepted: " << csv.toStdString();
    } catch (const InvalidInputError& refused) {
      EXPECT_EQ(refused.Message(), message);
    }
  }
}
