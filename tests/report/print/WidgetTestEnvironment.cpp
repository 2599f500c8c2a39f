// Widgets need a running QApplication (on the offscreen platform in tests);
// one is made before the first test.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WidgetTestEnvironment : public testing::Environment {
public:
  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "quitanza-widget-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WidgetTestEnvironment);

}  // namespace
