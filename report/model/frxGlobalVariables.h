#pragma once

#include "report/model/frxVariables.h"

// The variable list shared by all reports. Drawing reads the copy names from
// it: "CopyName0" for the first copy, "CopyName1" for the next, and so on.
TfrxVariables& frxGlobalVariables();
