#pragma once

#include "report/model/View.h"

namespace quitanza::report {

// Rectangle, ellipse and the other figures.
class ShapeView : public View {
public:
  using report::View::View;

  int Curve = 0;
  ShapeKind Shape = ShapeKind::Rectangle;

  QString ClassName() const override { return QStringLiteral("TfrxShapeView"); }
  const PropTable& Props() const override;

  // A double frame draws the figure twice, the second time inside the first.
  void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  void PaintShape();
};

}  // namespace quitanza::report
