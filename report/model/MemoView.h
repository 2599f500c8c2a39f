#pragma once

#include "report/expressions/Format.h"
#include "report/model/Highlight.h"
#include "report/model/View.h"

#include <QStringList>
#include <QVariant>

namespace quitanza::report {

class TextEngine;

// Text object. The text is held as lines; Text joins them, each followed by
// CR LF.
class CustomMemoView : public Stretcheable {
public:
  using Stretcheable::Stretcheable;

  bool AutoWidth = false;
  bool AllowExpressions = true;
  bool AllowHTMLTags = false;
  long double CharSpacing = 0;
  bool Clipped = true;
  report::Format DisplayFormat;
  QString ExpressionDelimiters = QStringLiteral("[,]");
  CustomMemoView* FlowTo = nullptr;
  bool FirstParaBreak = false;
  bool LastParaBreak = false;
  long double GapX = 2;
  long double GapY = 1;
  report::HAlign HAlign = HAlign::Left;
  bool HideZeros = false;
  report::Highlight Highlight;
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
  report::VAlign VAlign = VAlign::Top;
  // The last computed expression value.
  QVariant Value;

  const QStringList& Lines() const { return m_lines; }
  void SetLines(const QStringList& lines) { m_lines = lines; }
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
  void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // The text area of the last Draw, in device pixels.
  const platform::Rect& TextRect() const { return m_textRect; }

  static const PropTable& MemoProps();

protected:
  // Also computes the text area.
  void ComputeDeviceRect(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
  // The area text is set in, inside the frame and the gaps of a device box.
  platform::Rect TextArea(const platform::Rect& box, double scaleX, double scaleY) const;

private:
  void PrepareTextLayout(TextEngine& engine, platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                         double offsetY);
  void ApplyAutoWidth(TextEngine& engine);
  void PaintUnderlines(const TextEngine& engine);

  platform::Rect m_textRect;
  QStringList m_lines;
  QStringList m_savedLines;
};

class MemoView : public CustomMemoView {
public:
  using CustomMemoView::CustomMemoView;
  QString ClassName() const override { return QStringLiteral("TfrxMemoView"); }
  const PropTable& Props() const override { return MemoProps(); }
};

// System-text object (page numbers, dates); not used by the receipts.
class SysMemoView : public CustomMemoView {
public:
  using CustomMemoView::CustomMemoView;
  QString ClassName() const override { return QStringLiteral("TfrxSysMemoView"); }
  const PropTable& Props() const override { return MemoProps(); }
};

}  // namespace quitanza::report
