#pragma once

#include <QByteArray>
#include <QString>

struct hb_font_t;

namespace quitanza::platform {

// The metrics of a font file in its own design units, read once when the file
// is opened so that later use never touches FreeType (which is not thread-safe).
struct FontFileMetrics {
  int UnitsPerEm = 1000;
  int BoxLeft = 0, BoxBottom = 0, BoxRight = 0, BoxTop = 0;
  double ItalicAngleDegrees = 0;
  int WinAscent = 0;   // cell height above the baseline
  int WinDescent = 0;  // cell depth below the baseline, positive
  int CapHeight = 0;
  int Weight = 400;
  int AverageWidth = 0;
  int MaximumWidth = 0;
  int UnderlinePosition = 0;  // negative: below the baseline
  int UnderlineThickness = 0;
  int StrikeoutPosition = 0;
  int StrikeoutThickness = 0;
  char16_t DefaultChar = 0;
};

// One face of one font file, loaded for measuring (HarfBuzz, at design-unit
// scale so results are exact and independent of any device) and for drawing
// and embedding (the same file). Immutable after construction.
class FontFace {
public:
  FontFace(const QString& filePath, int faceIndex);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const QString& FilePath() const { return m_filePath; }
  int FaceIndex() const { return m_faceIndex; }
  const QString& FamilyName() const { return m_familyName; }
  bool IsBold() const { return m_bold; }
  bool IsItalic() const { return m_italic; }
  const FontFileMetrics& Metrics() const { return m_metrics; }
  hb_font_t* HarfBuzzFont() const { return m_hbFont; }

  // The em size in pixels for a font height in the report convention:
  // negative = character height (the em), positive = cell height.
  double PixelsPerEm(int fontHeight) const;
  // Design units to thousandths of an em.
  int ToThousandths(int designUnits) const;
  // The whole file (the whole collection when the face comes from one).
  QByteArray FileBytes() const;

private:
  void ReadFreeTypeMetrics();

  QString m_filePath;
  int m_faceIndex;
  QString m_familyName;
  bool m_bold = false;
  bool m_italic = false;
  FontFileMetrics m_metrics;
  hb_font_t* m_hbFont = nullptr;
};

}  // namespace quitanza::platform
