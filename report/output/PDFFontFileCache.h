#pragma once

#include <QByteArray>

namespace quitanza::report {

class PDFFont;
class PDFStreamEncoder;

// A font file as an embedded stream carries it before encryption.
struct PDFFontFile {
  QByteArray Data;   // deflated when compressed
  qsizetype Length;  // the file's own size
};

// Deflating a whole font file costs far more than a page, and a program
// exports the same few faces again and again: each face's stream data is
// made once per process and kept (encryption, which depends on the object
// number, is applied by the caller). Empty Data: the face cannot be embedded.
const PDFFontFile& CachedFontFile(const PDFFont& font, bool compressed, PDFStreamEncoder& encoder);

// The subset of the font's face with the glyphs it has used so far, as
// stream data. Documents of one layout show much the same glyphs, so the
// last few subsets are kept per process. Empty Data: no subset can be made.
PDFFontFile CachedFontSubset(const PDFFont& font, bool compressed, PDFStreamEncoder& encoder);

}  // namespace quitanza::report
