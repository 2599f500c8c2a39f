#include "report/model/frxFontProps.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

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
    TfrxPropBuilder<Font> b(t);
    b.Int(QStringLiteral("Charset"), &Font::Charset, std::nullopt);
    b.Int(QStringLiteral("Color"), &Font::Color, std::nullopt);
    b.Int(QStringLiteral("Height"), &Font::Height, std::nullopt);
    b.Str(QStringLiteral("Name"), &Font::Name);
    b.Int(QStringLiteral("Orientation"), &Font::Orientation, 0);
    b.Enum(QStringLiteral("Pitch"), &Font::Pitch, kPitchNames, fpDefault);
    b.Set(QStringLiteral("Style"), &Font::Style, 0);
    b.Enum(QStringLiteral("Quality"), &Font::Quality, kQualityNames, fqDefault);
    b.Int(QStringLiteral("Size"), Access(&Font::Size, &Font::SetSize), std::nullopt);
    b.When([](const Font&) { return false; });
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
