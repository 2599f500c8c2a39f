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

namespace quitanza::report {

// A glyph a document shows, with what its width table and its character map
// say about it.
struct PDFGlyph {
  std::uint16_t Glyph = 0;  // glyph index in the font file: the code in the content
  int Width = 0;            // advance, thousandths of an em
  QString Unicode;          // the text the glyph stands for (usually one character)
};

// A glyph of a line as the page content shows it.
struct PDFShownGlyph {
  char16_t Code = 0;  // the glyph index, the code in the content
  int Cluster = 0;    // the first UTF-16 unit of the text it stands for
  int Width = 0;      // the advance the viewer gives it, thousandths of an em
};

// One font of an export run: the report font it serves, the face it resolves
// to, and every glyph used with it so far, in order of first use.
class PDFFont {
public:
  PDFFont(const platform::Font& font, int index);
  PDFFont(const PDFFont&) = delete;
  PDFFont& operator=(const PDFFont&) = delete;

  // "/F" and the entry's index: the resource name of page resources and Tf.
  const QByteArray& Name() const { return m_name; }
  // The report font at 750 points, so one em is 1000 pixels at 96 per inch
  // and every measurement comes out in thousandths of an em.
  const platform::Font& SourceFont() const { return m_sourceFont; }
  const platform::FontFace& Face() const { return *m_face; }
  // Outline metrics at the entry's size, thousandths of an em.
  const platform::OutlineTextMetrics& TextMetric() const { return m_textMetric; }

  // Whether this entry serves the report font: same name and style, or any
  // style of a simulated-style font.
  bool Serves(const platform::Font& font) const;
  // The styles of the request the page content must draw itself: bold and
  // italic of a simulated-style font, and those the resolved face lacks.
  platform::FontStyles SimulatedStyles(platform::FontStyles requested) const;

  // The glyph codes of a line in display order, one 16-bit unit per glyph,
  // recording the glyphs not used before. rightToLeft is the memo's
  // RTLReading: the base direction of the line.
  std::u16string RemapString(QStringView text, bool rightToLeft);
  // The same glyphs, with the characters each stands for and its width.
  std::vector<PDFShownGlyph> ShowString(QStringView text, bool rightToLeft);

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

  const std::vector<PDFGlyph>& UsedAlphabet() const { return m_usedAlphabet; }

  // Object number of the Type0 font object; 0 until a page refers to it.
  int Reference() const { return m_reference; }
  void SetReference(int objectNumber) { m_reference = objectNumber; }

private:
  void FillOutlineTextMetrix();
  int NominalAdvance(std::uint16_t glyph);

  QByteArray m_name;
  platform::Font m_sourceFont;
  bool m_simulated;
  const platform::FontFace* m_face;
  platform::OutlineTextMetrics m_textMetric;
  std::vector<PDFGlyph> m_usedAlphabet;
  std::bitset<65536> m_used;
  std::vector<int> m_nominalAdvances;  // by glyph, -1 until asked; made on first use
  int m_reference = 0;
  std::mutex m_measuring;
  platform::TextShaper m_shaper;
};

}  // namespace quitanza::report
