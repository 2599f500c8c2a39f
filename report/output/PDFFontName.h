#pragma once

#include "platform/graphics/Font.h"

#include <QByteArray>
#include <QString>

namespace quitanza::report {

// Whether the export draws the bold and italic of this font itself (fill and
// stroke, slanted text matrix): the fonts whose families come with one face
// only. One font entry then serves every style of the family.
bool IsSimulatedStyleFont(const QString& name);

// The PDF name of a font (what follows the "/" of /BaseFont and /FontName):
// the family name in the Windows-1252 code page, ",Bold", ",Italic" or
// ",BoldItalic" after it unless the style is simulated, and every delimiter,
// blank and byte of 128 or more written as "#" and two hexadecimal digits.
// Times New Roman in bold gives Times#20New#20Roman,Bold.
QByteArray GetFontName(const QString& family, platform::FontStyles style);

}  // namespace quitanza::report
