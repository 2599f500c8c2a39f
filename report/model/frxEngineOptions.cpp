#include "report/model/frxEngineOptions.h"

#include "report/model/frxPropBuilder.h"

void TfrxEngineOptions::Clear()
{
  ConvertNulls = true;
  IgnoreDevByZero = false;
  DoublePass = false;
}

const TfrxPropTable& TfrxEngineOptions::Props()
{
  static const TfrxPropTable table = [] {
    using O = TfrxEngineOptions;
    TfrxPropTable t;
    TfrxPropBuilder<O> b(t);
    b.Bool(QStringLiteral("ConvertNulls"), &O::ConvertNulls, true);
    b.Bool(QStringLiteral("DoublePass"), &O::DoublePass, false);
    b.Int(QStringLiteral("MaxMemSize"), &O::MaxMemSize, 10);
    b.Bool(QStringLiteral("PrintIfEmpty"), &O::PrintIfEmpty, true);
    b.Bool(QStringLiteral("SilentMode"), Access(&O::SilentMode, &O::SetSilentMode), false);
    b.Enum(QStringLiteral("NewSilentMode"), &O::NewSilentMode, frxSilentModeNames, simMessageBoxes);
    b.Str(QStringLiteral("TempDir"), &O::TempDir);
    b.Bool(QStringLiteral("UseFileCache"), &O::UseFileCache, false);
    b.Bool(QStringLiteral("IgnoreDevByZero"), &O::IgnoreDevByZero, false);
    return t;
  }();
  return table;
}
