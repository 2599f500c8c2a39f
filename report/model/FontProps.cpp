#include "report/model/FontProps.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

namespace {

constexpr QStringView kPitchNames[] = {u"fpDefault", u"fpVariable", u"fpFixed"};
constexpr QStringView kQualityNames[] = {u"fqDefault", u"fqDraft", u"fqProof", u"fqNonAntialiased",
                                         u"fqAntialiased", u"fqClearType", u"fqClearTypeNatural"};
constexpr QStringView kFormatKindNames[] = {u"fkText", u"fkNumeric", u"fkDateTime", u"fkBoolean"};

}  // namespace

const PropTable& FontProps()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<Font> b(t);
    b.Int(QStringLiteral("Charset"), &Font::Charset, std::nullopt);
    b.Int(QStringLiteral("Color"), &Font::Color, std::nullopt);
    b.Int(QStringLiteral("Height"), &Font::Height, std::nullopt);
    b.Str(QStringLiteral("Name"), &Font::Name);
    b.Int(QStringLiteral("Orientation"), &Font::Orientation, 0);
    b.Enum(QStringLiteral("Pitch"), &Font::Pitch, kPitchNames, FontPitch::Default);
    b.Set(QStringLiteral("Style"), &Font::Style, 0);
    b.Enum(QStringLiteral("Quality"), &Font::Quality, kQualityNames, FontQuality::Default);
    b.Int(QStringLiteral("Size"), Access(&Font::Size, &Font::SetSize), std::nullopt);
    b.When([](const Font&) { return false; });
    return t;
  }();
  return table;
}

const PropTable& FormatProps()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<Format> b(t);
    b.Str(QStringLiteral("DecimalSeparator"), &Format::DecimalSeparator);
    b.Str(QStringLiteral("ThousandSeparator"), &Format::ThousandSeparator);
    b.Str(QStringLiteral("FormatStr"), &Format::FormatStr);
    b.Enum(QStringLiteral("Kind"), &Format::Kind, kFormatKindNames, FormatKind::Text);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
