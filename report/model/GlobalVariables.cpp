#include "report/model/GlobalVariables.h"

namespace quitanza::report {

Variables& GlobalVariables()
{
  static Variables variables;
  return variables;
}

}  // namespace quitanza::report
