#include "report/text/frxGraphicUtilsHTMLTags.h"

#include "report/text/frxGraphicUtilsRound.h"

#include <array>
#include <optional>

using namespace quitanza::platform;

namespace {

struct NamedColor {
  const char16_t* name;
  quitanza::platform::Color color;
};

// The colour names a font tag may use, without their "cl" prefix.
constexpr std::array<NamedColor, 20> colorTable{{
    {u"black", 0x000000}, {u"maroon", 0x000080},  {u"green", 0x008000},      {u"olive", 0x008080},
    {u"navy", 0x800000},  {u"purple", 0x800080},  {u"teal", 0x808000},       {u"gray", 0x808080},
    {u"silver", 0xC0C0C0}, {u"red", 0x0000FF},    {u"lime", 0x00FF00},       {u"yellow", 0x00FFFF},
    {u"blue", 0xFF0000},  {u"fuchsia", 0xFF00FF}, {u"aqua", 0xFFFF00},       {u"white", 0xFFFFFF},
    {u"moneygreen", 0xC0DCC0}, {u"skyblue", 0xF0CAA6}, {u"cream", 0xF0FBFF}, {u"medgray", 0xA4A0A0},
}};

std::optional<Color> colorFromValue(QStringView value)
{
  if (value.size() == 9 && value.startsWith(u"\"#") && value.endsWith(u'"')) {
    bool ok = false;
    const uint rgb = value.mid(2, 6).toUInt(&ok, 16);
    if (!ok)
      return std::nullopt;
    return RGBColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF);
  }
  for (const NamedColor& named : colorTable)
    if (value.compare(QStringView(named.name), Qt::CaseInsensitive) == 0)
      return named.color;
  return std::nullopt;
}

}  // namespace

void TfrxHTMLTag::AssignFormat(const TfrxHTMLTag& other)
{
  Size = other.Size;
  AddY = other.AddY;
  Style = other.Style;
  Color = other.Color;
  Small = other.Small;
  DontWRAP = other.DontWRAP;
}

bool TfrxHTMLTag::SameFormat(const TfrxHTMLTag& other) const
{
  return Style == other.Style && Color == other.Color && Size == other.Size && AddY == other.AddY &&
         DontWRAP == other.DontWRAP;
}

void TfrxHTMLTagsList::SetDefaults(quitanza::platform::Color color, int size, FontStyles style)
{
  Lines.clear();
  FDefColor = FColor = color;
  FDefSize = FSize = size;
  FDefStyle = FStyle = style;
  FAddY = 0;
  FDontWRAP = false;
  FPosition = 1;
  FHasPrevious = false;
}

TfrxHTMLTag TfrxHTMLTagsList::CurrentTag() const
{
  TfrxHTMLTag tag;
  tag.Position = FPosition;
  tag.Size = FSize;
  tag.AddY = FAddY;
  tag.Style = FStyle;
  tag.Color = FColor;
  tag.DontWRAP = FDontWRAP;
  tag.Small = FSize != FDefSize;
  if (!FAllowTags)
    tag.Default = true;
  else if (FHasPrevious)
    tag.Default = tag.SameFormat(FPrevious);
  else
    tag.Default = FStyle == FDefStyle && FColor == FDefColor && FSize == FDefSize;
  return tag;
}

void TfrxHTMLTagsList::ExpandHTMLTags(QString& text, TfrxHTMLTags& tags)
{
  tags.clear();
  const bool mayHoldTags = FAllowTags && text.contains(u'<');
  if (!mayHoldTags && !text.isEmpty()) {
    // Without tags every character after the first is formatted like the one
    // before it: one tag computed, the rest copies at the next positions.
    TfrxHTMLTag tag = CurrentTag();
    tags.assign(static_cast<std::size_t>(text.size()), tag);
    tag.Default = true;
    for (std::size_t k = 1; k < tags.size(); ++k) {
      tag.Position = FPosition + static_cast<int>(k);
      tags[k] = tag;
    }
    FPosition += static_cast<int>(text.size());
    FPrevious = tags.back();
    FHasPrevious = true;
    return;
  }
  tags.reserve(text.size());
  QString kept;
  if (mayHoldTags)
    kept.reserve(text.size());
  for (int i = 0; i < text.size();) {
    if (mayHoldTags && text[i] == u'<') {
      if (const int length = ParseTag(text, i); length > 0) {
        FPosition += length;
        i += length;
        continue;
      }
    }
    tags.push_back(CurrentTag());
    FPrevious = tags.back();
    FHasPrevious = true;
    if (mayHoldTags)
      kept.append(text[i]);
    ++FPosition;
    ++i;
  }
  if (mayHoldTags)
    text = kept;
  if (text.isEmpty()) {
    text = QStringLiteral(" ");
    tags.push_back(CurrentTag());
    FPrevious = tags.back();
    FHasPrevious = true;
  }
}

int TfrxHTMLTagsList::ParseTag(const QString& text, int at)
{
  const int close = text.indexOf(u'>', at);
  if (close < 0)
    return 0;
  const QStringView name = QStringView(text).mid(at + 1, close - at - 1);
  const auto is = [&name](const char16_t* candidate) {
    return name.compare(QStringView(candidate), Qt::CaseInsensitive) == 0;
  };
  const int length = close - at + 1;
  const int smallSize = frxRound(FDefSize / 1.5);
  if (is(u"b")) FStyle |= fsBold;
  else if (is(u"i")) FStyle |= fsItalic;
  else if (is(u"u")) FStyle |= fsUnderline;
  else if (is(u"/b")) FStyle &= ~fsBold;
  else if (is(u"/i")) FStyle &= ~fsItalic;
  else if (is(u"/u")) FStyle &= ~fsUnderline;
  else if (is(u"strike")) FStyle |= fsStrikeOut;
  else if (is(u"/strike")) FStyle &= ~fsStrikeOut;
  else if (is(u"sub")) { FSize = smallSize; FAddY = 1; }
  else if (is(u"sup")) { FSize = smallSize; FAddY = 0; }
  else if (is(u"/sub") || is(u"/sup")) { FSize = FDefSize; FAddY = 0; }
  else if (is(u"nowrap")) FDontWRAP = true;
  else if (is(u"/nowrap")) FDontWRAP = false;
  else if (is(u"/font")) FColor = FDefColor;
  else if (name.startsWith(u"font color", Qt::CaseInsensitive)) return ParseFontColor(text, at, close) ? length : 0;
  else if (name.size() != 3) return 0;
  return length;
}

bool TfrxHTMLTagsList::ParseFontColor(const QString& text, int at, int close)
{
  int valueStart = text.indexOf(u'=', at) + 1;
  if (valueStart <= 0 || valueStart > close)
    return false;
  while (valueStart < close && text[valueStart] == u' ')
    ++valueStart;
  const std::optional<quitanza::platform::Color> color = colorFromValue(QStringView(text).mid(valueStart, close - valueStart));
  if (!color)
    return false;
  FColor = *color;
  return true;
}
