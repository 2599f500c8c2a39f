#pragma once

#include "report/output/PDFFont.h"

#include <QByteArray>

#include <vector>

namespace quitanza::platform { class FontFace; }

namespace quitanza::report {

// A TrueType font program holding only the glyphs a document shows (and the
// glyphs they are built from), each at its original index, so the glyph codes
// of the page content and the /W widths stay valid for it. Empty when the
// face has no TrueType outlines or cannot be subset.
QByteArray SubsetFontProgram(const platform::FontFace& face, const std::vector<PDFGlyph>& glyphs);

// The name a subset goes by in the document: a tag of six capital letters
// drawn from the glyphs it holds, "+", and the face's PostScript name
// ("KQFRHB+LiberationSans-Bold").
QByteArray SubsetFontName(const platform::FontFace& face, const std::vector<PDFGlyph>& glyphs);

}  // namespace quitanza::report
