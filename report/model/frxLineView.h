#pragma once

#include "report/model/frxView.h"

// Line object: Height 0 is horizontal, Width 0 vertical; a diagonal line runs
// from (Left, Top) to (Left + Width, Top + Height).
class TfrxCustomLineView : public TfrxStretcheable {
public:
  using TfrxStretcheable::TfrxStretcheable;

  bool Diagonal = false;
  bool ArrowStart = false;
  bool ArrowEnd = false;
  bool ArrowSolid = false;
  int ArrowLength = 20;
  int ArrowWidth = 5;

  static const TfrxPropTable& LineProps();

  // A line that is not diagonal is first made horizontal or vertical for
  // good and drawn as one frame side.
  void Draw(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  // A head with its tip at (x, y), pointing away from (otherX, otherY).
  void PaintArrow(int x, int y, int otherX, int otherY);
};

class TfrxLineView : public TfrxCustomLineView {
public:
  using TfrxCustomLineView::TfrxCustomLineView;
  QString ClassName() const override { return QStringLiteral("TfrxLineView"); }
  const TfrxPropTable& Props() const override { return LineProps(); }
};
