#include "report/model/frxFrame.h"

#include "report/model/frxPropBuilder.h"

using namespace quitanza::platform;

TfrxFrame& TfrxFrame::operator=(const TfrxFrame& other)
{
  DropShadow = other.DropShadow;
  ShadowColor = other.ShadowColor;
  ShadowWidth = other.ShadowWidth;
  Typ = other.Typ;
  FColor = other.FColor;
  FStyle = other.FStyle;
  FWidth = other.FWidth;
  TfrxFrameLine* lines[] = {&LeftLine, &TopLine, &RightLine, &BottomLine};
  const TfrxFrameLine* sources[] = {&other.LeftLine, &other.TopLine, &other.RightLine, &other.BottomLine};
  for (int i = 0; i < 4; ++i) {
    lines[i]->Color = sources[i]->Color;
    lines[i]->Style = sources[i]->Style;
    lines[i]->Width = sources[i]->Width;
  }
  return *this;
}

void TfrxFrame::SetColor(quitanza::platform::Color color)
{
  FColor = color;
  for (TfrxFrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Color = color;
}

void TfrxFrame::SetStyle(TfrxFrameStyle style)
{
  FStyle = style;
  for (TfrxFrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Style = style;
}

void TfrxFrame::SetWidth(long double width)
{
  FWidth = width;
  for (TfrxFrameLine* line : {&LeftLine, &TopLine, &RightLine, &BottomLine})
    line->Width = width;
}

const TfrxPropTable& TfrxFrameLine::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxFrameLine> b(t);
    b.Int(QStringLiteral("Color"), &TfrxFrameLine::Color, std::nullopt);
    b.When([](const TfrxFrameLine& l) { return l.Color != l.Frame().Color(); });
    b.Enum(QStringLiteral("Style"), &TfrxFrameLine::Style, frxFrameStyleNames, std::nullopt);
    b.When([](const TfrxFrameLine& l) { return l.Style != l.Frame().Style(); });
    b.Float(QStringLiteral("Width"), &TfrxFrameLine::Width);
    b.When([](const TfrxFrameLine& l) { return l.Width != l.Frame().Width(); });
    return t;
  }();
  return table;
}

const TfrxPropTable& TfrxFrame::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    TfrxPropBuilder<TfrxFrame> b(t);
    b.Int(QStringLiteral("Color"), Access(&TfrxFrame::Color, &TfrxFrame::SetColor), clBlack);
    b.Bool(QStringLiteral("DropShadow"), &TfrxFrame::DropShadow, false);
    b.Int(QStringLiteral("ShadowColor"), &TfrxFrame::ShadowColor, clBlack);
    b.Float(QStringLiteral("ShadowWidth"), &TfrxFrame::ShadowWidth);
    b.When([](const TfrxFrame& f) { return f.ShadowWidth != 4; });
    b.Enum(QStringLiteral("Style"), Access(&TfrxFrame::Style, &TfrxFrame::SetStyle), frxFrameStyleNames, fsSolid);
    b.Set(QStringLiteral("Typ"), &TfrxFrame::Typ, 0);
    b.When([](const TfrxFrame& f) { return f.Typ != 0; });
    b.Float(QStringLiteral("Width"), Access(&TfrxFrame::Width, &TfrxFrame::SetWidth));
    b.When([](const TfrxFrame& f) { return f.Width() != 1; });
    b.Sub(QStringLiteral("LeftLine"), &TfrxFrame::LeftLine, TfrxFrameLine::Props());
    b.Sub(QStringLiteral("TopLine"), &TfrxFrame::TopLine, TfrxFrameLine::Props());
    b.Sub(QStringLiteral("RightLine"), &TfrxFrame::RightLine, TfrxFrameLine::Props());
    b.Sub(QStringLiteral("BottomLine"), &TfrxFrame::BottomLine, TfrxFrameLine::Props());
    return t;
  }();
  return table;
}
