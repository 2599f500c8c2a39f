#pragma once

#include "report/model/Variables.h"

namespace quitanza::report {

// The variable list shared by all reports. Drawing reads the copy names from
// it: "CopyName0" for the first copy, "CopyName1" for the next, and so on.
Variables& GlobalVariables();

}  // namespace quitanza::report
