#include <QGuiApplication>

#include <benchmark/benchmark.h>

// Entry point of the benchmarks that draw glyphs: the GUI library needs its
// application object, on the offscreen platform unless one is asked for.
int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
