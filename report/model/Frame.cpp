#include "report/model/Frame.h"

#include "report/model/PropBuilder.h"

namespace quitanza::report {

using namespace platform;

Frame& Frame::operator=(const Frame& other)
{
  DropShadow = other.DropShadow;
  ShadowColor = other.ShadowColor;
  ShadowWidth = other.ShadowWidth;
  Typ = other.Typ;
  m_color = other.m_color;
  m_style = other.m_style;
  m_width = other.m_width;
  FrameLine* lines[] = {&LeftLine, &TopLine, &RightLine, &BottomLine};
  const FrameLine* sources[] = {&other.LeftLine, &other.TopLine, &other.RightLine, &other.BottomLine};
  for (int i = 0; i < 4; ++i) {
    lines[i]->Color = sources[i]->Color;
    lines[i]->Style = sources[i]->Style;
    lines[i]->Width = sources[i]->Width;
  }
  return *this;
}

void Frame::SetColor(platform::Color color)
{
  m_color = color;
  for (FrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Color = color;
}

void Frame::SetStyle(FrameStyle style)
{
  m_style = style;
  for (FrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Style = style;
}

void Frame::SetWidth(long double width)
{
  m_width = width;
  for (FrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Width = width;
}

const PropTable& FrameLine::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<FrameLine> b(t);
    b.Int(QStringLiteral("Color"), &FrameLine::Color, std::nullopt);
    b.When([](const FrameLine& l) { return l.Color != l.Frame().Color(); });
    b.Enum(QStringLiteral("Style"), &FrameLine::Style, FrameStyleNames, std::nullopt);
    b.When([](const FrameLine& l) { return l.Style != l.Frame().Style(); });
    b.Float(QStringLiteral("Width"), &FrameLine::Width);
    b.When([](const FrameLine& l) { return l.Width != l.Frame().Width(); });
    return t;
  }();
  return table;
}

const PropTable& Frame::Props()
{
  static const PropTable table = [] {
    PropTable t;
    PropBuilder<report::Frame> b(t);
    b.Int(QStringLiteral("Color"), Access(&report::Frame::Color, &report::Frame::SetColor), clBlack);
    b.Bool(QStringLiteral("DropShadow"), &report::Frame::DropShadow, false);
    b.Int(QStringLiteral("ShadowColor"), &report::Frame::ShadowColor, clBlack);
    b.Float(QStringLiteral("ShadowWidth"), &report::Frame::ShadowWidth);
    b.When([](const report::Frame& f) { return f.ShadowWidth != 4; });
    b.Enum(QStringLiteral("Style"), Access(&report::Frame::Style, &report::Frame::SetStyle), FrameStyleNames, FrameStyle::Solid);
    b.Set(QStringLiteral("Typ"), &report::Frame::Typ, 0);
    b.When([](const report::Frame& f) { return f.Typ != 0; });
    b.Float(QStringLiteral("Width"), Access(&report::Frame::Width, &report::Frame::SetWidth));
    b.When([](const report::Frame& f) { return f.Width() != 1; });
    b.Sub(QStringLiteral("LeftLine"), &report::Frame::LeftLine, FrameLine::Props());
    b.Sub(QStringLiteral("TopLine"), &report::Frame::TopLine, FrameLine::Props());
    b.Sub(QStringLiteral("RightLine"), &report::Frame::RightLine, FrameLine::Props());
    b.Sub(QStringLiteral("BottomLine"), &report::Frame::BottomLine, FrameLine::Props());
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
