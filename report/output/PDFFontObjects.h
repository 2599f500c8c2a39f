#pragma once

#include "report/output/PDFFont.h"

#include <QByteArray>

#include <vector>

namespace quitanza::report {

class PDFEncryption;
class PDFStreamEncoder;
class PDFWriter;

// Where and how an export run writes its font objects.
struct PDFFontOutput {
  report::PDFWriter& Writer;
  PDFStreamEncoder& Encoder;
  bool Compressed = true;      // font file and character map streams deflated
  bool EmbeddedFonts = false;  // the font files go into the document
  const report::PDFEncryption* Encryption = nullptr;  // set when the document is protected
};

// The objects of one font, in this order: the font file (when embedded), the
// font descriptor, the ToUnicode character map, the CID system information,
// the CIDFontType2 descendant with the widths of the used glyphs, and the
// Type0 font itself under its reserved number (reserved here when no page
// reserved it).
void WritePDFFontObjects(PDFFont& font, const PDFFontOutput& output);

// The text of the ToUnicode stream that maps the glyph codes back to text.
QByteArray PdfToUnicodeCMap(const QByteArray& fontName, const std::vector<PDFGlyph>& glyphs);

}  // namespace quitanza::report
