#pragma once

#include "report/model/frxView.h"

// Rectangle, ellipse and the other figures.
class TfrxShapeView : public TfrxView {
public:
  using TfrxView::TfrxView;

  int Curve = 0;
  TfrxShapeKind Shape = skRectangle;

  QString ClassName() const override { return QStringLiteral("TfrxShapeView"); }
  const TfrxPropTable& Props() const override;

  // A double frame draws the figure twice, the second time inside the first.
  void Draw(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  void PaintShape();
};
