#include "report/model/EngineOptions.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

void EngineOptions::Clear()
{
  ConvertNulls = true;
  IgnoreDevByZero = false;
  DoublePass = false;
}

const PropTable& EngineOptions::Props()
{
  static const PropTable table = [] {
    using O = report::EngineOptions;
    PropTable t;
    PropBuilder<O> b(t);
    b.Bool(QStringLiteral("ConvertNulls"), &O::ConvertNulls, true);
    b.Bool(QStringLiteral("DoublePass"), &O::DoublePass, false);
    b.Int(QStringLiteral("MaxMemSize"), &O::MaxMemSize, 10);
    b.Bool(QStringLiteral("PrintIfEmpty"), &O::PrintIfEmpty, true);
    b.Bool(QStringLiteral("SilentMode"), Access(&O::SilentMode, &O::SetSilentMode), false);
    b.Enum(QStringLiteral("NewSilentMode"), &O::NewSilentMode, SilentModeNames, SilentMode::MessageBoxes);
    b.Str(QStringLiteral("TempDir"), &O::TempDir);
    b.Bool(QStringLiteral("UseFileCache"), &O::UseFileCache, false);
    b.Bool(QStringLiteral("IgnoreDevByZero"), &O::IgnoreDevByZero, false);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
