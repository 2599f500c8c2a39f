#include "tests/app/TestApplication.h"
#include "tests/doclib/PrintQString.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
  int exitCode;
  QString out;
  QString err;
};

// Runs the built executable with no display, as a script would.
ProcessResult runQuitanza(const QStringList& arguments)
{
  EnsureApplication();
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QUITANZA_BINARY_DIR "/app/quitanza"), arguments);
  if (!process.waitForFinished(30000))
    return {-1, QString(), process.errorString()};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(QuitanzaExecutable, WritesAmountsInWords)
{
  const ProcessResult run = runQuitanza({QStringLiteral("extenso"), QStringLiteral("1.234,56")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral("Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos\n"));

  EXPECT_EQ(runQuitanza({QStringLiteral("extenso"), QStringLiteral("3,00")}).out, QStringLiteral("Três Reais\n"));
}

TEST(QuitanzaExecutable, RefusesAWrongCpfWithTheFieldsMessage)
{
  const ProcessResult run = runQuitanza({QStringLiteral("validar"), QStringLiteral("cpfcnpj"), QStringLiteral("11144477736")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, QStringLiteral(" \" 11144477736 \" não é um CPF válido\n"));
  EXPECT_TRUE(run.out.isEmpty());
}

TEST(QuitanzaExecutable, ShowsAmountsAsTheAmountFieldDoes)
{
  const ProcessResult run = runQuitanza({QStringLiteral("validar"), QStringLiteral("valor"), QStringLiteral("1234,5")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QStringLiteral("1.234,50\n"));
}

TEST(QuitanzaExecutable, ListsTheCommandsOnHelpAndShowsTheUsageWithoutArguments)
{
  const ProcessResult help = runQuitanza({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains(QStringLiteral("validar")));

  const ProcessResult bare = runQuitanza({});
  EXPECT_EQ(bare.exitCode, 2);
  EXPECT_TRUE(bare.err.contains(QStringLiteral("extenso")));
}
