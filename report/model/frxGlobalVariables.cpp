#include "report/model/frxGlobalVariables.h"

TfrxVariables& frxGlobalVariables()
{
  static TfrxVariables variables;
  return variables;
}
