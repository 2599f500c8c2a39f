// Widgets need a running QApplication; one is made before the first test.
#include "tests/support/ApplicationTestEnvironment.h"

#include <QApplication>

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationTestEnvironment<QApplication>);

}  // namespace
