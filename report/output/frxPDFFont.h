#pragma once

#include "platform/graphics/Font.h"
#include "platform/graphics/OutlineTextMetrics.h"
#include "platform/graphics/TextShaper.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <bitset>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace quitanza::platform { class FontFace; }

// A glyph a document shows, with what its width table and its character map
// say about it.
struct TfrxPDFGlyph {
  std::uint16_t Glyph = 0;  // glyph index in the font file: the code in the content
  int Width = 0;            // advance, thousandths of an em
  QString Unicode;          // the text the glyph stands for (usually one character)
};

// A glyph of a line as the page content shows it.
struct TfrxPDFShownGlyph {
  char16_t Code = 0;  // the glyph index, the code in the content
  int Cluster = 0;    // the first UTF-16 unit of the text it stands for
  int Width = 0;      // the advance the viewer gives it, thousandths of an em
};

// One font of an export run: the report font it serves, the face it resolves
// to, and every glyph used with it so far, in order of first use.
class TfrxPDFFont {
public:
  TfrxPDFFont(const quitanza::platform::Font& font, int index);
  TfrxPDFFont(const TfrxPDFFont&) = delete;
  TfrxPDFFont& operator=(const TfrxPDFFont&) = delete;

  // "/F" and the entry's index: the resource name of page resources and Tf.
  const QByteArray& Name() const { return FName; }
  // The report font at 750 points, so one em is 1000 pixels at 96 per inch
  // and every measurement comes out in thousandths of an em.
  const quitanza::platform::Font& SourceFont() const { return FSourceFont; }
  const quitanza::platform::FontFace& Face() const { return *FFace; }
  // Outline metrics at the entry's size, thousandths of an em.
  const quitanza::platform::OutlineTextMetrics& TextMetric() const { return FTextMetric; }

  // Whether this entry serves the report font: same name and style, or any
  // style of a simulated-style font.
  bool Serves(const quitanza::platform::Font& font) const;
  // The styles of the request the page content must draw itself: bold and
  // italic of a simulated-style font, and those the resolved face lacks.
  quitanza::platform::FontStyles SimulatedStyles(quitanza::platform::FontStyles requested) const;

  // The glyph codes of a line in display order, one 16-bit unit per glyph,
  // recording the glyphs not used before. rightToLeft is the memo's
  // RTLReading: the base direction of the line.
  std::u16string RemapString(QStringView text, bool rightToLeft);
  // The same glyphs, with the characters each stands for and its width.
  std::vector<TfrxPDFShownGlyph> ShowString(QStringView text, bool rightToLeft);

  QByteArray GetFontName() const;
  // Whether the face is another family than the one the report font names
  // (fontconfig's replacement for a font not installed here): its glyph
  // indices mean nothing in the named font, so it has to travel with the
  // document.
  bool IsSubstitute() const;
  // The font file to embed: the whole TrueType file (the whole collection
  // for the first face of one); empty when the face cannot be embedded as a
  // TrueType font program (an outline font of another kind, or a later face
  // of a collection), and the font is then written for the viewer to supply.
  QByteArray GetFontFile() const;

  const std::vector<TfrxPDFGlyph>& UsedAlphabet() const { return FUsedAlphabet; }

  // Object number of the Type0 font object; 0 until a page refers to it.
  int Reference() const { return FReference; }
  void SetReference(int objectNumber) { FReference = objectNumber; }

private:
  void FillOutlineTextMetrix();
  int NominalAdvance(std::uint16_t glyph) const;

  QByteArray FName;
  quitanza::platform::Font FSourceFont;
  bool FSimulated;
  const quitanza::platform::FontFace* FFace;
  quitanza::platform::OutlineTextMetrics FTextMetric;
  std::vector<TfrxPDFGlyph> FUsedAlphabet;
  std::bitset<65536> FUsed;
  int FReference = 0;
  std::mutex FMeasuring;
  quitanza::platform::TextShaper FShaper;
};
