#include "tests/app/RunQuitanza.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(QuitanzaExecutable, WritesAmountsInWords)
{
  const ProcessResult run = RunQuitanza({QStringLiteral("extenso"), QStringLiteral("1.234,56")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral("Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos\n"));

  EXPECT_EQ(RunQuitanza({QStringLiteral("extenso"), QStringLiteral("3,00")}).out, QStringLiteral("Três Reais\n"));
}

TEST(QuitanzaExecutable, RefusesAWrongCpfWithTheFieldsMessage)
{
  const ProcessResult run = RunQuitanza({QStringLiteral("validar"), QStringLiteral("cpfcnpj"), QStringLiteral("11144477736")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral(" \" 11144477736 \" não é um CPF válido\n"));
  EXPECT_TRUE(run.out.isEmpty());
}

TEST(QuitanzaExecutable, ShowsAmountsAsTheAmountFieldDoes)
{
  const ProcessResult run = RunQuitanza({QStringLiteral("validar"), QStringLiteral("valor"), QStringLiteral("1234,5")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral("1.234,50\n"));
}

// Without a command the window opens; without a display it cannot, and one
// line says where the command line's help is.
TEST(QuitanzaExecutable, ListsTheCommandsOnHelpAndNeedsADisplayWithoutACommand)
{
  const ProcessResult help = RunQuitanza({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains(QStringLiteral("validar")));

  for (const QStringList& arguments : {QStringList(), QStringList{QStringLiteral("--dados"), QDir::tempPath()}}) {
    const ProcessResult bare = RunQuitanza(arguments);
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_EQ(bare.err.count(u'\n'), 1) << bare.err.toStdString();
    EXPECT_TRUE(bare.err.contains(QStringLiteral(u"sessão gráfica"))) << bare.err.toStdString();
    EXPECT_TRUE(bare.err.contains(QStringLiteral("quitanza --help"))) << bare.err.toStdString();
    EXPECT_TRUE(bare.out.isEmpty());
  }
}

// Qt's messages come in Portuguese too.
TEST(QuitanzaExecutable, ReportsQtsOwnUsageErrorsInPortuguese)
{
  const ProcessResult unknown = RunQuitanza({QStringLiteral("listar"), QStringLiteral("--bogus")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(unknown.err.startsWith(QStringLiteral(u"Opção desconhecida 'bogus'.\n"))) << unknown.err.toStdString();
}

TEST(QuitanzaExecutable, VersionNamesTheProjectsVersion)
{
  const ProcessResult run = RunQuitanza({QStringLiteral("--version")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^quitanza \\d+\\.\\d+\\.\\d+( \\(commit [0-9a-f]+\\))?\\n$"))
                  .match(run.out)
                  .hasMatch())
      << run.out.toStdString();
}
