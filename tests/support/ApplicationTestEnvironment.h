#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

// One Qt application for a whole test program (on the offscreen platform in
// tests), made before the first test and destroyed after the last; `prepare`
// runs once it exists (the program's look, its translations).
template <class Application>
class ApplicationTestEnvironment : public testing::Environment {
public:
  explicit ApplicationTestEnvironment(std::function<void(Application&)> prepare = {}) : m_prepare(std::move(prepare))
  {
  }

  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "quitanza-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<Application>(argc, argv);
    if (m_prepare)
      m_prepare(*m_application);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::function<void(Application&)> m_prepare;
  std::unique_ptr<Application> m_application;
};
