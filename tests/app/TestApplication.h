#pragma once

#include <QCoreApplication>

// The command line reads the executable's folder and runs processes through
// Qt, which both need an application object.
inline void EnsureApplication()
{
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance())
    new QCoreApplication(argc, argv);
}
