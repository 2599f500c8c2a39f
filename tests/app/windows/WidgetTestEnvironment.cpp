// The windows need a QApplication, with the program's look, before the
// first test.
#include "app/windows/WindowLook.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WidgetTestEnvironment : public testing::Environment {
public:
  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "quitanza-window-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
    quitanza::app::ApplyLook(*m_application);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WidgetTestEnvironment);

}  // namespace
