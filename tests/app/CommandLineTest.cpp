#include "app/cli/CommandLine.h"

#include "app/ValorPorExtenso.h"
#include "doclib/EditRules.h"
#include "doclib/Formatting.h"
#include "tests/app/TestApplication.h"
#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::doclib;
using namespace quitanza::app;

namespace {

struct Outcome {
  ExitCode exitCode;
  QString out;
  QString err;
};

Outcome runQuitanza(const QStringList& arguments)
{
  EnsureApplication();
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  const ExitCode exitCode = RunCommandLine(QStringList{QStringLiteral("quitanza")} + arguments, outStream, errStream);
  outStream.flush();
  errStream.flush();
  return {exitCode, out, err};
}

QString line(const QString& text)
{
  return text + u'\n';
}

}  // namespace

TEST(CommandLine, WritesAmountsInWordsLikeTheLibrary)
{
  for (const char16_t* amount : {u"1.234,56", u"0,01", u"R$ 1.000.000,00", u"-5,00", u"1,9999", u"0"}) {
    const QString text = QString::fromUtf16(amount);
    const Outcome outcome = runQuitanza({QStringLiteral("extenso"), text});
    EXPECT_EQ(outcome.exitCode, ExitCode::Done) << text.toStdString();
    EXPECT_EQ(outcome.out, line(ValorPorExtenso(Amount::FromBrazilianText(text))));
  }
  EXPECT_EQ(runQuitanza({QStringLiteral("extenso"), QStringLiteral("1.234,56")}).out,
            QStringLiteral("Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos\n"));
}

TEST(CommandLine, FormatsLikeTheMaskFunctions)
{
  const struct {
    const char* kind;
    const char16_t* text;
    QString expected;
  } cases[] = {
    {"cpfcnpj", u"12345678909", FormatCpfCnpj(QStringLiteral("12345678909"))},
    {"cpfcnpj", u"12abc34501de35", FormatCpfCnpj(QStringLiteral("12abc34501de35"))},
    {"cep", u"12345678", FormatCep(QStringLiteral("12345678"))},
    {"pis", u"12056412545", FormatPis(QStringLiteral("12056412545"))},
    {"telefone", u"1132104567", FormatTelefone(QStringLiteral("1132104567"))},
    {"titulo", u"0123456780191", FormatTitulo(QStringLiteral("0123456780191"))},
    {"data", u"25122013", FormatDate(QStringLiteral("25122013"))},
    {"cpfcnpj", u"11144477736", FormatCpfCnpj(QStringLiteral("11144477736"))},  // no check
  };
  for (const auto& c : cases) {
    const Outcome outcome =
      runQuitanza({QStringLiteral("formatar"), QString::fromLatin1(c.kind), QString::fromUtf16(c.text)});
    EXPECT_EQ(outcome.exitCode, ExitCode::Done) << c.kind;
    EXPECT_EQ(outcome.out, line(c.expected)) << c.kind;
  }
  const Outcome ie = runQuitanza({QStringLiteral("formatar"), QStringLiteral("ie"), QStringLiteral("123456789012"),
                               QStringLiteral("--uf"), QStringLiteral("sp")});
  EXPECT_EQ(ie.out, line(FormatIE(QStringLiteral("123456789012"), QStringLiteral("SP"))));
}

TEST(CommandLine, ValidatesLikeTheEditFieldLeavingTheText)
{
  const struct {
    const char* kind;
    const char16_t* text;
    const char16_t* shown;
  } cases[] = {
    {"cpfcnpj", u"11144477735", u"111.444.777-35"}, {"cpfcnpj", u"12abc34501de35", u"12.ABC.345/01DE-35"},
    {"cep", u"12345678", u"12.345-678"},            {"pis", u"12056412545", u"120.56412.54-5"},
    {"telefone", u"1132104567", u"(11)3210-4567"},  {"titulo", u"123456780191", u"012345678-01.91"},
    {"uf", u"sp", u"SP"},                           {"email", u"Fulano@Empresa.com.br", u"fulano@empresa.com.br"},
    {"url", u"WWW.Empresa.com.br", u"www.empresa.com.br"}, {"valor", u"1234,5", u"1.234,50"},
    {"valor", u"-0,5", u"-0,50"},                   {"valor", u"abc", u"0,00"},
    {"cpfcnpj", u"", u""},
  };
  for (const auto& c : cases) {
    const Outcome outcome =
      runQuitanza({QStringLiteral("validar"), QString::fromLatin1(c.kind), QString::fromUtf16(c.text)});
    EXPECT_EQ(outcome.exitCode, ExitCode::Done) << c.kind << " " << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, line(QString::fromUtf16(c.shown))) << c.kind;
  }
  const Outcome ie = runQuitanza({QStringLiteral("validar"), QStringLiteral("--uf"), QStringLiteral("SP"),
                               QStringLiteral("ie"), QStringLiteral("isento")});
  EXPECT_EQ(ie.out, QStringLiteral("ISENTO\n"));
}

TEST(CommandLine, RefusesInputWithTheFieldsMessageOnStandardError)
{
  const struct {
    QStringList arguments;
    const char16_t* message;
  } cases[] = {
    {{QStringLiteral("validar"), QStringLiteral("cpfcnpj"), QStringLiteral("11144477736")},
     u" \" 11144477736 \" não é um CPF válido"},
    {{QStringLiteral("validar"), QStringLiteral("cpfcnpj"), QStringLiteral("11222333000182")},
     u" \" 11222333000182 \" não é um CNPJ válido"},
    {{QStringLiteral("validar"), QStringLiteral("uf"), QStringLiteral("xx")}, u" \" XX \" Não é uma UF válida"},
    {{QStringLiteral("validar"), QStringLiteral("data"), QStringLiteral("310213")}, u"Data inválida: 31/02/13"},
    {{QStringLiteral("formatar"), QStringLiteral("data"), QStringLiteral("310213")}, u"Data inválida: 31/02/13"},
    {{QStringLiteral("extenso"), QStringLiteral("abc")}, u"'' is not a valid floating point value"},
    {{QStringLiteral("extenso"), QStringLiteral("99999999999999999999")}, u"Valor fora do limite: 99999999999999999999"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = runQuitanza(c.arguments);
    EXPECT_EQ(outcome.exitCode, ExitCode::Refused) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(outcome.err, line(QString::fromUtf16(c.message)));
    EXPECT_TRUE(outcome.out.isEmpty());
  }
}

TEST(CommandLine, ReadsNegativeAmountsAsArguments)
{
  EXPECT_EQ(runQuitanza({QStringLiteral("extenso"), QStringLiteral("-5,00")}).out, QStringLiteral("Menos Cinco Reais\n"));
  EXPECT_EQ(runQuitanza({QStringLiteral("validar"), QStringLiteral("valor"), QStringLiteral("-1234,5")}).out,
            QStringLiteral("-1.234,50\n"));
  EXPECT_EQ(runQuitanza({QStringLiteral("extenso"), QStringLiteral("--"), QStringLiteral("-1")}).out,
            QStringLiteral("Menos Um Real\n"));
}

TEST(CommandLine, AcceptsTheDataFolderBeforeOrAfterTheCommand)
{
  EXPECT_EQ(runQuitanza({QStringLiteral("--dados"), QStringLiteral("/tmp"), QStringLiteral("extenso"), QStringLiteral("1")})
              .exitCode,
            ExitCode::Done);
  EXPECT_EQ(runQuitanza({QStringLiteral("validar"), QStringLiteral("valor"), QStringLiteral("1"), QStringLiteral("--dados=/tmp")})
              .exitCode,
            ExitCode::Done);
}

TEST(CommandLine, ReportsUsageErrorsWithExitCodeTwo)
{
  const QList<QStringList> cases = {
    {},
    {QStringLiteral("desconhecido")},
    {QStringLiteral("extenso")},
    {QStringLiteral("extenso"), QStringLiteral("1"), QStringLiteral("2")},
    {QStringLiteral("extenso"), QStringLiteral("--bogus"), QStringLiteral("1")},
    {QStringLiteral("formatar"), QStringLiteral("rg"), QStringLiteral("123")},
    {QStringLiteral("formatar"), QStringLiteral("ie"), QStringLiteral("123")},
    {QStringLiteral("validar"), QStringLiteral("cep"), QStringLiteral("123"), QStringLiteral("--uf"), QStringLiteral("SP")},
    {QStringLiteral("validar"), QStringLiteral("ie"), QStringLiteral("123"), QStringLiteral("--uf"), QStringLiteral("XX")},
    {QStringLiteral("validar"), QStringLiteral("ie"), QStringLiteral("123"), QStringLiteral("--uf")},
  };
  for (const QStringList& arguments : cases) {
    const Outcome outcome = runQuitanza(arguments);
    EXPECT_EQ(outcome.exitCode, ExitCode::Usage) << arguments.join(u' ').toStdString();
    EXPECT_FALSE(outcome.err.isEmpty()) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(outcome.out.isEmpty()) << arguments.join(u' ').toStdString();
  }
}

TEST(CommandLine, HelpListsTheCommandsAndEachCommandsArguments)
{
  const Outcome help = runQuitanza({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, ExitCode::Done);
  for (const char* command : {"extenso", "formatar", "validar"})
    EXPECT_TRUE(help.out.contains(QString::fromLatin1(command))) << command;
  EXPECT_TRUE(help.out.contains(QStringLiteral("--dados PASTA")));

  const Outcome validarHelp = runQuitanza({QStringLiteral("validar"), QStringLiteral("--help")});
  EXPECT_EQ(validarHelp.exitCode, ExitCode::Done);
  EXPECT_TRUE(validarHelp.out.startsWith(QStringLiteral("Uso: quitanza validar [opções] TIPO VALOR\n")));
  EXPECT_TRUE(validarHelp.out.contains(QStringLiteral("--uf UF")));
}

TEST(CommandLine, HelpSaysWhichOptionsAreRequired)
{
  const struct {
    const char* command;
    const char16_t* says;
  } cases[] = {
    {"emitir", u"--cliente e --valor são obrigatórios"},
    {"reimprimir", u"--pdf) ou imprime (--imprimir) o primeiro recibo do registro com esse número; uma das duas opções é obrigatória"},
  };
  for (const auto& c : cases) {
    const Outcome help = runQuitanza({QString::fromLatin1(c.command), QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains(QString::fromUtf16(c.says))) << help.out.toStdString();
  }
}

TEST(CommandLine, NamesTheCommandBeforeAnyApplicationExists)
{
  EXPECT_NE(CommandNamedIn({QStringLiteral("quitanza"), QStringLiteral("--dados"), QStringLiteral("x"),
                            QStringLiteral("extenso"), QStringLiteral("1")}),
            nullptr);
  EXPECT_EQ(CommandNamedIn({QStringLiteral("quitanza")}), nullptr);
  EXPECT_EQ(CommandNamedIn({QStringLiteral("quitanza"), QStringLiteral("desconhecido")}), nullptr);
  const QStringList validar = {QStringLiteral("quitanza"), QStringLiteral("validar")};
  EXPECT_FALSE(CommandNamedIn(validar)->NeedsGui(validar));
}

TEST(CommandLine, ReportsStartTheWindowSystemOnlyForOutputsThatDraw)
{
  const QStringList relatorio = {QStringLiteral("quitanza"), QStringLiteral("relatorio"), QStringLiteral("R.fr3")};
  const Command* command = CommandNamedIn(relatorio);
  ASSERT_NE(command, nullptr);
  EXPECT_FALSE(command->NeedsGui(relatorio + QStringList{QStringLiteral("--fp3"), QStringLiteral("r.fp3")}));
  for (const QStringList& output : {QStringList{QStringLiteral("--pdf"), QStringLiteral("r.pdf")},
                                    QStringList{QStringLiteral("--pdf=r.pdf")},
                                    QStringList{QStringLiteral("--png"), QStringLiteral("r")}})
    EXPECT_TRUE(command->NeedsGui(relatorio + output)) << output.join(u' ').toStdString();
}
