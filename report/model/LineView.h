#pragma once

#include "report/model/View.h"

namespace quitanza::report {

// Line object: Height 0 is horizontal, Width 0 vertical; a diagonal line runs
// from (Left, Top) to (Left + Width, Top + Height).
class CustomLineView : public Stretcheable {
public:
  using Stretcheable::Stretcheable;

  bool Diagonal = false;
  bool ArrowStart = false;
  bool ArrowEnd = false;
  bool ArrowSolid = false;
  int ArrowLength = 20;
  int ArrowWidth = 5;

  static const PropTable& LineProps();

  // A line that is not diagonal is first made horizontal or vertical for
  // good and drawn as one frame side.
  void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

private:
  // A head with its tip at (x, y), pointing away from (otherX, otherY).
  void PaintArrow(int x, int y, int otherX, int otherY);
};

class LineView : public CustomLineView {
public:
  using CustomLineView::CustomLineView;
  QString ClassName() const override { return QStringLiteral("TfrxLineView"); }
  const PropTable& Props() const override { return LineProps(); }
};

}  // namespace quitanza::report
