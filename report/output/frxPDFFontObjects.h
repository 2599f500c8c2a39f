#pragma once

#include "report/output/frxPDFFont.h"

#include <QByteArray>

#include <vector>

class TfrxPDFEncryption;
class TfrxPDFStreamEncoder;
class TfrxPDFWriter;

// Where and how an export run writes its font objects.
struct TfrxPDFFontOutput {
  TfrxPDFWriter& Writer;
  TfrxPDFStreamEncoder& Encoder;
  bool Compressed = true;      // font file and character map streams deflated
  bool EmbeddedFonts = false;  // the font files go into the document
  const TfrxPDFEncryption* Encryption = nullptr;  // set when the document is protected
};

// The objects of one font, in this order: the font file (when embedded), the
// font descriptor, the ToUnicode character map, the CID system information,
// the CIDFontType2 descendant with the widths of the used glyphs, and the
// Type0 font itself under its reserved number (reserved here when no page
// reserved it).
void WritePDFFontObjects(TfrxPDFFont& font, const TfrxPDFFontOutput& output);

// The text of the ToUnicode stream that maps the glyph codes back to text.
QByteArray PdfToUnicodeCMap(const QByteArray& fontName, const std::vector<TfrxPDFGlyph>& glyphs);
