// The windows need a QApplication, with the program's look, before the
// first test.
#include "app/windows/WindowLook.h"
#include "tests/support/ApplicationTestEnvironment.h"

#include <QApplication>

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationTestEnvironment<QApplication>(
        [](QApplication& application) { quitanza::app::ApplyLook(application); }));

}  // namespace
