// Glyph drawing needs a running QGuiApplication (on the offscreen platform
// in tests); one is made before the first test.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiTestEnvironment : public testing::Environment {
public:
  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "quitanza-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::unique_ptr<QGuiApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

}  // namespace
