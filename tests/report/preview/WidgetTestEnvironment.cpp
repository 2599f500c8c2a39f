// Windows need a QApplication (on the offscreen platform in tests), which
// speaks Portuguese as the program does; one is made before the first test.
#include "report/preview/Translations.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WidgetTestEnvironment : public testing::Environment {
public:
  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "quitanza-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
    quitanza::report::InstallTranslations(*m_application);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WidgetTestEnvironment);

}  // namespace
