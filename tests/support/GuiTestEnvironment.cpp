// Glyph drawing needs a running QGuiApplication; one is made before the
// first test.
#include "tests/support/ApplicationTestEnvironment.h"

#include <QGuiApplication>

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationTestEnvironment<QGuiApplication>);

}  // namespace
