#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/MeasuringSurface.h"
#include "platform/graphics/Rect.h"
#include "report/text/HTMLTags.h"
#include "report/text/Placement.h"

#include <QString>

#include <vector>

namespace quitanza::platform { class Canvas; }

namespace quitanza::report {

// Measures, wraps and places memo text. All measuring and wrapping happens at
// a fixed design resolution of 600 pixels per inch; drawing then corrects the
// device's own advances and line heights so that every line and every block
// covers what the design measurement predicts, on any device and at any zoom.
//
// Every sequence Set... / Draw... / Calc... is bracketed by Lock / Unlock.
class TextEngine {
public:
  enum LineFlags { lfParagraphStart = 1, lfParagraphEnd = 2 };

  struct WrappedLine {
    QString Text;
    int Flags = 0;
  };

  TextEngine();

  // One process-wide lock serialises every use of every text engine.
  void Lock();
  void Unlock();

  void SetFont(const platform::Font& font);
  void SetOptions(bool wordWrap, bool htmlTags, bool rtlReading, bool wordBreak, bool clipped, bool wysiwyg,
                  int rotation);
  void SetGaps(double paragraphGap, double charSpacing, double lineSpacing);
  void SetDimensions(double scaleX, double scaleY, double printScale, const platform::Rect& originalRect,
                     const platform::Rect& scaledRect);
  void SetUseDefaultCharset(bool value) { m_useDefaultCharset = value; }
  void SetText(const QStringList& text);
  void SetParaBreaks(bool firstParaBreak, bool lastParaBreak);
  void DrawText(platform::Canvas& canvas, report::HAlign hAlign, report::VAlign vAlign);

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
  QString GetInBoundsText() const { return m_plainText; }
  QString GetOutBoundsText(bool& paraBreak);
  QString DeleteTags(const QString& text);
  QString WrappedText() const;

  const std::vector<WrappedLine>& Lines() const { return m_text; }
  const std::vector<report::HTMLTags>& LineTags() const { return m_htmlTags.Lines; }
  int Rotation() const { return m_rotation; }

  // Returns the total width; widths[i] is the advance of character i (its
  // running position when `running`), spacing included.
  int MeasureCharWidths(std::vector<int>& widths, const QString& text, bool running, int spacing,
                        const report::HTMLTags& tags, platform::MeasuringSurface& surface);

  static void SpreadEvenly(std::vector<int>& values, int lo, int hi, int one, int count);

private:
  struct BlockStart {
    int x = 0;
    int y = 0;
    int lineLength = 0;
  };

  void WrapParagraph(QString text, int maxWidth, int spacing, int firstWidth);
  void AddLine(const QString& text, const report::HTMLTags& tags, int from, int to, bool hyphen);
  int MeasuringHeight() const;
  int DesignLineWidth(std::size_t index);
  platform::Font OutputFont(const platform::Canvas& canvas, int size, int pixelsPerInch) const;
  BlockStart PlaceTextBlock(report::VAlign vAlign, int blockHeight);
  void PaintTextLine(platform::Canvas& canvas, int lineIndex, report::HAlign align, int lineLength, int y, int x);

  static constexpr int m_defPPI = 600;
  static constexpr int m_scrPPI = 96;

  platform::MeasuringSurface m_canvas;
  std::vector<int> m_tempArray;
  std::vector<int> m_lineAdvances;
  std::vector<double> m_deviceAdvances;
  report::HTMLTags m_paragraphTags;
  int m_fontSize = 10;
  HTMLTagsList m_htmlTags;
  double m_charSpacing = 0;
  double m_lineSpacing = 0;
  double m_paragraphGap = 0;
  int m_options = 0;
  platform::Rect m_originalRect;
  platform::Rect m_scaledRect;
  QString m_plainText;
  double m_printScale = 1;
  double m_scaleX = 1;
  double m_scaleY = 1;
  int m_rotation = 0;
  bool m_rtlReading = false;
  bool m_wordBreak = false;
  bool m_wordWrap = true;
  bool m_wysiwyg = true;
  bool m_useDefaultCharset = false;
  std::vector<WrappedLine> m_text;
};

// The engine for objects that belong to no report.
TextEngine& SharedDrawText();

}  // namespace quitanza::report
