#pragma once

#include "report/expressions/ExpressionCompiler.h"

namespace quitanza::report {

// The function "fr3f<index>" returning `expression`, in the syntax of `language`:
//   PascalScript  function fr3f0: Variant; begin Result := <e> end; begin end.
//   C++Script     Variant fr3f0() { return <e>; } {}
//   BasicScript   function fr3f0 CR LF return <e> CR LF end function
//   JScript       function fr3f0() { return <e>; }
// Throws ExpressionCompileError for any other language.
ExpressionFunction MakeExpressionFunction(const QString& language, int index, const QString& expression);

}  // namespace quitanza::report
