#pragma once

#include "report/expressions/frxFormat.h"
#include "report/model/frxHighlight.h"
#include "report/model/frxView.h"

#include <QStringList>
#include <QVariant>

class TfrxDrawText;

// Text object. The text is held as lines; Text joins them, each followed by
// CR LF.
class TfrxCustomMemoView : public TfrxStretcheable {
public:
  using TfrxStretcheable::TfrxStretcheable;

  bool AutoWidth = false;
  bool AllowExpressions = true;
  bool AllowHTMLTags = false;
  long double CharSpacing = 0;
  bool Clipped = true;
  TfrxFormat DisplayFormat;
  QString ExpressionDelimiters = QStringLiteral("[,]");
  TfrxCustomMemoView* FlowTo = nullptr;
  bool FirstParaBreak = false;
  bool LastParaBreak = false;
  long double GapX = 2;
  long double GapY = 1;
  TfrxHAlign HAlign = haLeft;
  bool HideZeros = false;
  TfrxHighlight Highlight;
  long double LineSpacing = 2;
  // When above 0, a text that does not fit its box at the font's size is set
  // smaller, down to this many points, its lines closer together (FitText).
  int MinFontSize = 0;
  long double ParagraphGap = 0;
  int Rotation = 0;
  bool RTLReading = false;
  QString Style;
  bool SuppressRepeated = false;
  bool Underlines = false;
  bool UseDefaultCharset = false;
  bool WordBreak = false;
  bool WordWrap = true;
  bool Wysiwyg = true;
  TfrxVAlign VAlign = vaTop;
  // The last computed expression value.
  QVariant Value;

  const QStringList& Lines() const { return FLines; }
  void SetLines(const QStringList& lines) { FLines = lines; }
  QString Text() const;
  void SetText(const QString& text);

  // Also saves the text that AfterPrint restores.
  void BeforePrint() override;
  // Replaces the bracketed expressions of the text by their formatted values,
  // then fits the text to the box when MinFontSize asks for it.
  void GetData() override;

  // The largest font size from the font's own down to MinFontSize, with the
  // given line spacing and gaps or with the lines and the box's edges closed
  // up, at which every line of the text fits the box; the font and spacing
  // are set so. False when even the smallest size leaves lines out: the
  // text is then set at MinFontSize, closed up, and the lines that do not
  // fit are not shown.
  bool FitText();
  void AfterPrint() override;

  // What the page macros become when drawn, set by whoever draws the page:
  // the number of pages, and the copy being printed (its name is the global
  // variable "CopyName" followed by the number).
  int TotalPages = 0;
  int CopyNo = 0;
  // Font scale of the scaled print modes; 1 when not printing.
  double PrintScale = 1;

  // Replaces "[TotalPages#]" and "[CopyName#]" in the text for good.
  void ExtractMacros();
  // Text through the text engine over background and frame; AutoWidth
  // settles the width first.
  void Draw(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // The text area of the last Draw, in device pixels.
  const quitanza::platform::Rect& TextRect() const { return FTextRect; }

  static const TfrxPropTable& MemoProps();

protected:
  // Also computes the text area.
  void ComputeDeviceRect(quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // The area text is set in, inside the frame and the gaps of a device box.
  quitanza::platform::Rect TextArea(const quitanza::platform::Rect& box, double scaleX, double scaleY) const;

private:
  void PrepareTextLayout(TfrxDrawText& engine, quitanza::platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                         double offsetY);
  void ApplyAutoWidth(TfrxDrawText& engine);
  void PaintUnderlines(const TfrxDrawText& engine);

  quitanza::platform::Rect FTextRect;
  QStringList FLines;
  QStringList FSavedLines;
};

class TfrxMemoView : public TfrxCustomMemoView {
public:
  using TfrxCustomMemoView::TfrxCustomMemoView;
  QString ClassName() const override { return QStringLiteral("TfrxMemoView"); }
  const TfrxPropTable& Props() const override { return MemoProps(); }
};

// System-text object (page numbers, dates); not used by the receipts.
class TfrxSysMemoView : public TfrxCustomMemoView {
public:
  using TfrxCustomMemoView::TfrxCustomMemoView;
  QString ClassName() const override { return QStringLiteral("TfrxSysMemoView"); }
  const TfrxPropTable& Props() const override { return MemoProps(); }
};
