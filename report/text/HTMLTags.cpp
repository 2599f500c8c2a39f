#include "report/text/HTMLTags.h"

#include "report/text/Placement.h"

#include <array>
#include <optional>

namespace quitanza::report {

using namespace platform;

namespace {

struct NamedColor {
  const char16_t* name;
  platform::Color color;
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

void HTMLTag::AssignFormat(const HTMLTag& other)
{
  Size = other.Size;
  AddY = other.AddY;
  Style = other.Style;
  Color = other.Color;
  Small = other.Small;
  DontWRAP = other.DontWRAP;
}

bool HTMLTag::SameFormat(const HTMLTag& other) const
{
  return Style == other.Style && Color == other.Color && Size == other.Size && AddY == other.AddY &&
         DontWRAP == other.DontWRAP;
}

void HTMLTagsList::SetDefaults(platform::Color color, int size, FontStyles style)
{
  Lines.clear();
  m_defColor = m_color = color;
  m_defSize = m_size = size;
  m_defStyle = m_style = style;
  m_addY = 0;
  m_dontWRAP = false;
  m_position = 1;
  m_hasPrevious = false;
}

HTMLTag HTMLTagsList::CurrentTag() const
{
  HTMLTag tag;
  tag.Position = m_position;
  tag.Size = m_size;
  tag.AddY = m_addY;
  tag.Style = m_style;
  tag.Color = m_color;
  tag.DontWRAP = m_dontWRAP;
  tag.Small = m_size != m_defSize;
  if (!m_allowTags)
    tag.Default = true;
  else if (m_hasPrevious)
    tag.Default = tag.SameFormat(m_previous);
  else
    tag.Default = m_style == m_defStyle && m_color == m_defColor && m_size == m_defSize;
  return tag;
}

void HTMLTagsList::ExpandHTMLTags(QString& text, report::HTMLTags& tags)
{
  tags.clear();
  const bool mayHoldTags = m_allowTags && text.contains(u'<');
  if (!mayHoldTags && !text.isEmpty()) {
    // Without tags every character after the first is formatted like the one
    // before it: one tag computed, the rest copies at the next positions.
    HTMLTag tag = CurrentTag();
    tags.assign(static_cast<std::size_t>(text.size()), tag);
    tag.Default = true;
    for (std::size_t k = 1; k < tags.size(); ++k) {
      tag.Position = m_position + static_cast<int>(k);
      tags[k] = tag;
    }
    m_position += static_cast<int>(text.size());
    m_previous = tags.back();
    m_hasPrevious = true;
    return;
  }
  tags.reserve(text.size());
  QString kept;
  if (mayHoldTags)
    kept.reserve(text.size());
  for (int i = 0; i < text.size();) {
    if (mayHoldTags && text[i] == u'<') {
      if (const int length = ParseTag(text, i); length > 0) {
        m_position += length;
        i += length;
        continue;
      }
    }
    tags.push_back(CurrentTag());
    m_previous = tags.back();
    m_hasPrevious = true;
    if (mayHoldTags)
      kept.append(text[i]);
    ++m_position;
    ++i;
  }
  if (mayHoldTags)
    text = kept;
  if (text.isEmpty()) {
    text = QStringLiteral(" ");
    tags.push_back(CurrentTag());
    m_previous = tags.back();
    m_hasPrevious = true;
  }
}

int HTMLTagsList::ParseTag(const QString& text, int at)
{
  const int close = text.indexOf(u'>', at);
  if (close < 0)
    return 0;
  const QStringView name = QStringView(text).mid(at + 1, close - at - 1);
  const auto is = [&name](const char16_t* candidate) {
    return name.compare(QStringView(candidate), Qt::CaseInsensitive) == 0;
  };
  const int length = close - at + 1;
  const int smallSize = report::Round(m_defSize / 1.5);
  if (is(u"b")) m_style |= FontStyle::Bold;
  else if (is(u"i")) m_style |= FontStyle::Italic;
  else if (is(u"u")) m_style |= FontStyle::Underline;
  else if (is(u"/b")) m_style.setFlag(FontStyle::Bold, false);
  else if (is(u"/i")) m_style.setFlag(FontStyle::Italic, false);
  else if (is(u"/u")) m_style.setFlag(FontStyle::Underline, false);
  else if (is(u"strike")) m_style |= FontStyle::StrikeOut;
  else if (is(u"/strike")) m_style.setFlag(FontStyle::StrikeOut, false);
  else if (is(u"sub")) { m_size = smallSize; m_addY = 1; }
  else if (is(u"sup")) { m_size = smallSize; m_addY = 0; }
  else if (is(u"/sub") || is(u"/sup")) { m_size = m_defSize; m_addY = 0; }
  else if (is(u"nowrap")) m_dontWRAP = true;
  else if (is(u"/nowrap")) m_dontWRAP = false;
  else if (is(u"/font")) m_color = m_defColor;
  else if (name.startsWith(u"font color", Qt::CaseInsensitive)) return ParseFontColor(text, at, close) ? length : 0;
  else if (name.size() != 3) return 0;
  return length;
}

bool HTMLTagsList::ParseFontColor(const QString& text, int at, int close)
{
  int valueStart = text.indexOf(u'=', at) + 1;
  if (valueStart <= 0 || valueStart > close)
    return false;
  while (valueStart < close && text[valueStart] == u' ')
    ++valueStart;
  const std::optional<platform::Color> color = colorFromValue(QStringView(text).mid(valueStart, close - valueStart));
  if (!color)
    return false;
  m_color = *color;
  return true;
}

}  // namespace quitanza::report
