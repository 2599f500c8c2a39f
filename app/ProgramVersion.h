#pragma once

#include <QString>

namespace quitanza::app {

// The project's version, followed by the commit when the program was built
// from a checkout: "0.1.0 (commit 3d89568)".
QString ProgramVersion();

}  // namespace quitanza::app
