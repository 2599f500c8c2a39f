#include "platform/graphics/FontFace.h"

#include <QFile>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <hb.h>

#include <cmath>
#include <mutex>
#include <stdexcept>

namespace quitanza::platform {

namespace {

// FreeType's library object is not thread-safe; faces are opened rarely (once
// per file, then cached), so one lock around the whole library is enough.
std::mutex freeTypeMutex;

FT_Library freeTypeLibrary()
{
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
      throw std::runtime_error("FreeType could not be initialised");
    return lib;
  }();
  return library;
}

[[noreturn]] void failToOpen(const QString& path, const char* why)
{
  throw std::runtime_error("Cannot open font file " + path.toStdString() + ": " + why);
}

}  // namespace

FontFace::FontFace(const QString& filePath, int faceIndex) : m_filePath(filePath), m_faceIndex(faceIndex)
{
  ReadFreeTypeMetrics();

  const QByteArray encodedPath = QFile::encodeName(filePath);
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(encodedPath.constData());
  if (!blob)
    failToOpen(filePath, "unreadable");
  hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(faceIndex));
  hb_blob_destroy(blob);
  m_hbFont = hb_font_create(face);
  hb_face_destroy(face);
  // Design-unit scale: advances come back as exact integers of the font's
  // own grid, so measuring never depends on a device or on hinting.
  hb_font_set_scale(m_hbFont, m_metrics.UnitsPerEm, m_metrics.UnitsPerEm);
}

FontFace::~FontFace()
{
  hb_font_destroy(m_hbFont);
}

void FontFace::ReadFreeTypeMetrics()
{
  std::lock_guard lock(freeTypeMutex);
  FT_Face face = nullptr;
  const QByteArray encodedPath = QFile::encodeName(m_filePath);
  if (FT_New_Face(freeTypeLibrary(), encodedPath.constData(), m_faceIndex, &face) != 0)
    failToOpen(m_filePath, "not a font FreeType can read");
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    failToOpen(m_filePath, "not an outline font");
  }

  m_familyName = QString::fromUtf8(face->family_name ? face->family_name : "");
  m_bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
  m_italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;

  FontFileMetrics& m = m_metrics;
  m.UnitsPerEm = face->units_per_EM;
  m.BoxLeft = static_cast<int>(face->bbox.xMin);
  m.BoxBottom = static_cast<int>(face->bbox.yMin);
  m.BoxRight = static_cast<int>(face->bbox.xMax);
  m.BoxTop = static_cast<int>(face->bbox.yMax);
  m.MaximumWidth = face->max_advance_width;
  m.UnderlinePosition = face->underline_position;
  m.UnderlineThickness = face->underline_thickness;
  m.WinAscent = face->ascender;
  m.WinDescent = -face->descender;
  m.CapHeight = face->ascender;
  m.StrikeoutPosition = m.WinAscent / 3;
  m.StrikeoutThickness = m.UnderlineThickness;

  if (const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST)))
    m.ItalicAngleDegrees = post->italicAngle / 65536.0;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
    m.WinAscent = os2->usWinAscent;
    m.WinDescent = os2->usWinDescent;
    m.Weight = os2->usWeightClass;
    m.AverageWidth = os2->xAvgCharWidth;
    m.StrikeoutPosition = os2->yStrikeoutPosition;
    m.StrikeoutThickness = os2->yStrikeoutSize;
    if (os2->version >= 2) {
      m.CapHeight = os2->sCapHeight;
      m.DefaultChar = static_cast<char16_t>(os2->usDefaultChar);
    }
  } else {
    m.Weight = m_bold ? 700 : 400;
    m.AverageWidth = m.MaximumWidth / 2;
  }
  FT_Done_Face(face);
}

double FontFace::PixelsPerEm(int fontHeight) const
{
  if (fontHeight <= 0)
    return -fontHeight;
  const int cell = m_metrics.WinAscent + m_metrics.WinDescent;
  return cell > 0 ? double(fontHeight) * m_metrics.UnitsPerEm / cell : fontHeight;
}

int FontFace::ToThousandths(int designUnits) const
{
  return static_cast<int>(std::lround(designUnits * 1000.0 / m_metrics.UnitsPerEm));
}

QByteArray FontFace::FileBytes() const
{
  QFile file(m_filePath);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("Cannot read font file " + m_filePath.toStdString() + ": " +
                             file.errorString().toStdString());
  return file.readAll();
}

}  // namespace quitanza::platform
