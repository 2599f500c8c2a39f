#include "report/model/frxFontProps.h"

#include "report/model/frxPropBuilder.h"

namespace {

constexpr QStringView kPitchNames[] = {u"fpDefault", u"fpVariable", u"fpFixed"};
constexpr QStringView kQualityNames[] = {u"fqDefault", u"fqDraft", u"fqProof", u"fqNonAntialiased",
                                         u"fqAntialiased", u"fqClearType", u"fqClearTypeNatural"};
constexpr QStringView kFormatKindNames[] = {u"fkText", u"fkNumeric", u"fkDateTime", u"fkBoolean"};

}  // namespace

const TfrxPropTable& frxFontProps()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TFont> b(t);
    b.Int(QStringLiteral("Charset"), &TFont::Charset, std::nullopt);
    b.Int(QStringLiteral("Color"), &TFont::Color, std::nullopt);
    b.Int(QStringLiteral("Height"), &TFont::Height, std::nullopt);
    b.Str(QStringLiteral("Name"), &TFont::Name);
    b.Int(QStringLiteral("Orientation"), &TFont::Orientation, 0);
    b.Enum(QStringLiteral("Pitch"), &TFont::Pitch, kPitchNames, fpDefault);
    b.Set(QStringLiteral("Style"), &TFont::Style, 0);
    b.Enum(QStringLiteral("Quality"), &TFont::Quality, kQualityNames, fqDefault);
    b.Int(QStringLiteral("Size"), Access(&TFont::Size, &TFont::SetSize), std::nullopt);
    b.When([](const TFont&) { return false; });
    return t;
  }();
  return table;
}

const TfrxPropTable& frxFormatProps()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxFormat> b(t);
    b.Str(QStringLiteral("DecimalSeparator"), &TfrxFormat::DecimalSeparator);
    b.Str(QStringLiteral("ThousandSeparator"), &TfrxFormat::ThousandSeparator);
    b.Str(QStringLiteral("FormatStr"), &TfrxFormat::FormatStr);
    b.Enum(QStringLiteral("Kind"), &TfrxFormat::Kind, kFormatKindNames, fkText);
    return t;
  }();
  return table;
}
