#pragma once

#include <QString>

namespace quitanza::report { class Report; }

namespace quitanza::app {

// The first variable of the report's list that has no value although a
// bracketed expression of one of its memos names it; empty when there is
// none. Preparing the report would fail on it with an expression error that
// names no variable.
QString MissingVariable(const report::Report& report);

}  // namespace quitanza::app
