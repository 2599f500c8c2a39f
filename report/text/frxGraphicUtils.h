#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/MeasuringSurface.h"
#include "platform/graphics/Rect.h"
#include "report/text/frxGraphicUtilsAlign.h"
#include "report/text/frxGraphicUtilsHTMLTags.h"

#include <QString>

#include <vector>

namespace quitanza::platform { class Canvas; }

// Measures, wraps and places memo text. All measuring and wrapping happens at
// a fixed design resolution of 600 pixels per inch; drawing then corrects the
// device's own advances and line heights so that every line and every block
// covers what the design measurement predicts, on any device and at any zoom.
//
// Every sequence Set... / Draw... / Calc... is bracketed by Lock / Unlock.
class TfrxDrawText {
public:
  enum LineFlags { lfParagraphStart = 1, lfParagraphEnd = 2 };

  struct TfrxWrappedLine {
    QString Text;
    int Flags = 0;
  };

  TfrxDrawText();

  // One process-wide lock serialises every use of every text engine.
  void Lock();
  void Unlock();

  void SetFont(const quitanza::platform::Font& font);
  void SetOptions(bool wordWrap, bool htmlTags, bool rtlReading, bool wordBreak, bool clipped, bool wysiwyg,
                  int rotation);
  void SetGaps(double paragraphGap, double charSpacing, double lineSpacing);
  void SetDimensions(double scaleX, double scaleY, double printScale, const quitanza::platform::Rect& originalRect,
                     const quitanza::platform::Rect& scaledRect);
  void SetUseDefaultCharset(bool value) { FUseDefaultCharset = value; }
  void SetText(const QStringList& text);
  void SetParaBreaks(bool firstParaBreak, bool lastParaBreak);
  void DrawText(quitanza::platform::Canvas& canvas, TfrxHAlign hAlign, TfrxVAlign vAlign);

  double CalcHeight();
  double CalcWidth();
  // The advance of each UTF-16 unit of wrapped line `index` at the design
  // resolution, character spacing included: where an output that places
  // glyphs itself puts them.
  std::vector<int> DesignAdvances(int index);
  double LineHeight() const;
  double TextHeight() const;
  double UnusedSpace() const;
  // How many lines of the current font and line spacing the text area holds
  // whole, the last one without spacing below it.
  int FittingLines() const;
  // The lines drawn: those the text area holds whole, and always the first.
  // A line cut by the box's edge would show its top over whatever lies below
  // (the accents of a hidden line). Turned text shows every line.
  int ShownLines() const;
  QString GetInBoundsText() const { return FPlainText; }
  QString GetOutBoundsText(bool& paraBreak);
  QString DeleteTags(const QString& text);
  QString WrappedText() const;

  const std::vector<TfrxWrappedLine>& Lines() const { return FText; }
  const std::vector<TfrxHTMLTags>& LineTags() const { return FHTMLTags.Lines; }
  int Rotation() const { return FRotation; }

  // Returns the total width; widths[i] is the advance of character i (its
  // running position when `running`), spacing included.
  int MeasureCharWidths(std::vector<int>& widths, const QString& text, bool running, int spacing,
                        const TfrxHTMLTags& tags, quitanza::platform::MeasuringSurface& surface);

  static void SpreadEvenly(std::vector<int>& values, int lo, int hi, int one, int count);

private:
  struct BlockStart {
    int x = 0;
    int y = 0;
    int lineLength = 0;
  };

  void WrapParagraph(QString text, int maxWidth, int spacing, int firstWidth);
  void AddLine(const QString& text, const TfrxHTMLTags& tags, int from, int to, bool hyphen);
  int MeasuringHeight() const;
  int DesignLineWidth(std::size_t index);
  quitanza::platform::Font OutputFont(const quitanza::platform::Canvas& canvas, int size, int pixelsPerInch) const;
  BlockStart PlaceTextBlock(TfrxVAlign vAlign, int blockHeight);
  void PaintTextLine(quitanza::platform::Canvas& canvas, int lineIndex, TfrxHAlign align, int lineLength, int y, int x);

  static constexpr int FDefPPI = 600;
  static constexpr int FScrPPI = 96;

  quitanza::platform::MeasuringSurface FCanvas;
  std::vector<int> FTempArray;
  std::vector<int> FLineAdvances;
  std::vector<double> FDeviceAdvances;
  TfrxHTMLTags FParagraphTags;
  int FFontSize = 10;
  TfrxHTMLTagsList FHTMLTags;
  double FCharSpacing = 0;
  double FLineSpacing = 0;
  double FParagraphGap = 0;
  int FOptions = 0;
  quitanza::platform::Rect FOriginalRect;
  quitanza::platform::Rect FScaledRect;
  QString FPlainText;
  double FPrintScale = 1;
  double FScaleX = 1;
  double FScaleY = 1;
  int FRotation = 0;
  bool FRTLReading = false;
  bool FWordBreak = false;
  bool FWordWrap = true;
  bool FWysiwyg = true;
  bool FUseDefaultCharset = false;
  std::vector<TfrxWrappedLine> FText;
};

// The engine for objects that belong to no report.
TfrxDrawText& frxDrawText();
