// Windows need a QApplication, which speaks Portuguese as the program does;
// one is made before the first test.
#include "report/preview/Translations.h"
#include "tests/support/ApplicationTestEnvironment.h"

#include <QApplication>

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationTestEnvironment<QApplication>(
        [](QApplication& application) { quitanza::report::InstallTranslations(application); }));

}  // namespace
