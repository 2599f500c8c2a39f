#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
  QCoreApplication app(argc, argv);
  QTextStream(stdout) << QStringLiteral("Quitanza\n");
  return 0;
}
