#include "report/output/PDFFontObjects.h"

#include "report/output/PDFEncryption.h"
#include "report/output/PDFFontFileCache.h"
#include "report/output/PDFFontSubset.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFStrings.h"
#include "report/output/PDFWriter.h"

#include <cmath>

namespace quitanza::report {

using namespace platform;

namespace {

// A character map block may hold at most 100 mappings.
constexpr std::size_t MappingsPerBlock = 100;

enum class EndOfData { LineEnd, Directly };

QByteArray ObjectLine(int number) { return PdfInt(number) + " 0 obj"; }
QByteArray Reference(int number) { return PdfInt(number) + " 0 R"; }

// The stream's data is already deflated (when compressed) and encrypted.
void WriteEncodedStream(const PDFFontOutput& output, int number, QByteArrayView encoded, qsizetype length,
                        EndOfData end) {
  PDFWriter& writer = output.Writer;
  writer.WriteLine(ObjectLine(number));
  if (output.Compressed)
    writer.WriteLine("<< /Length " + PdfInt(encoded.size()) + "  /Filter /FlateDecode /Length1 " +
                     PdfInt(length) + " >>");
  else
    writer.WriteLine("<< /Length " + PdfInt(encoded.size()) + " /Length1 " + PdfInt(length) + " >>");
  writer.WriteLine("stream");
  writer.Write(encoded);
  if (end == EndOfData::LineEnd)
    writer.WriteLine("");
  writer.WriteLine("endstream");
  writer.WriteLine("endobj");
}

int WriteStreamObject(const PDFFontOutput& output, QByteArrayView data, EndOfData end) {
  const int number = output.Writer.NewObject();
  WriteEncodedStream(output, number, output.Encoder.Encode(data, output.Compressed, output.Encryption, number),
                     data.size(), end);
  return number;
}

// Font files come from the process-wide caches; only encryption is per object.
int WriteFontFile(const PDFFontFile& file, const PDFFontOutput& output) {
  const int number = output.Writer.NewObject();
  WriteEncodedStream(output, number,
                     output.Encryption ? output.Encryption->EncryptData(file.Data, number) : file.Data, file.Length,
                     EndOfData::LineEnd);
  return number;
}

int WriteWholeFontFile(const PDFFont& font, const PDFFontOutput& output) {
  const PDFFontFile& file = CachedFontFile(font, output.Compressed, output.Encoder);
  return file.Data.isEmpty() ? 0 : WriteFontFile(file, output);
}

int StemV(int weight) {
  const double ratio = weight / 65.0;
  return 50 + int(std::lround(ratio * ratio));
}

int WriteFontDescriptor(const PDFFont& font, const QByteArray& name, int fontFile,
                        const PDFFontOutput& output) {
  const OutlineTextMetrics& m = font.TextMetric();
  const int number = output.Writer.NewObject();
  QByteArray text = ObjectLine(number) + "\r\n<<\r\n/Type /FontDescriptor\r\n/FontName /" + name +
                    "\r\n/FontFamily /" + name + "\r\n/Flags 32\r\n/FontBBox [" + PdfInt(m.BoxLeft) + ' ' +
                    PdfInt(m.BoxBottom) + ' ' + PdfInt(m.BoxRight) + ' ' + PdfInt(m.BoxTop) +
                    " ]\r\n/ItalicAngle " + PdfInt(std::lround(m.ItalicAngle / 10.0)) + "\r\n/Ascent " +
                    PdfInt(m.Ascent) + "\r\n/Descent " + PdfInt(m.Descent) + "\r\n/Leading " +
                    PdfInt(m.InternalLeading) + "\r\n/CapHeight " + PdfInt(m.CapHeight) + "\r\n/StemV " +
                    PdfInt(StemV(m.Weight)) + "\r\n/AvgWidth " + PdfInt(m.AverageWidth) + "\r\n/MaxWidth " +
                    PdfInt(m.MaximumWidth) + "\r\n/MissingWidth " + PdfInt(m.AverageWidth) + "\r\n";
  if (fontFile != 0)
    text += "/FontFile2 " + Reference(fontFile) + "\r\n";
  text += ">>\r\nendobj\r\n";
  output.Writer.Write(text);
  return number;
}

// Strings outside streams are encrypted like every string of a protected document.
QByteArray LiteralString(QByteArrayView text, int object, const PDFFontOutput& output) {
  return output.Encryption ? output.Encryption->EncryptString(text, object) : PdfLiteralString(text);
}

int WriteCIDSystemInfo(const PDFFontOutput& output) {
  const int number = output.Writer.NewObject();
  output.Writer.Write(ObjectLine(number) + "\r\n<<\r\n/Registry " + LiteralString("Adobe", number, output) +
                      " /Ordering " + LiteralString("Identity", number, output) +
                      " /Supplement 0\r\n>>\r\nendobj\r\n");
  return number;
}

int WriteDescendantFont(const PDFFont& font, const QByteArray& name, int systemInfo, int descriptor,
                        const PDFFontOutput& output) {
  const int number = output.Writer.NewObject();
  QByteArray text = ObjectLine(number) + "\r\n<<\r\n/Type /Font\r\n/Subtype /CIDFontType2\r\n/BaseFont /" + name +
                    "\r\n/CIDSystemInfo " + Reference(systemInfo) + "\r\n/FontDescriptor " +
                    Reference(descriptor) + "\r\n/W [ ";
  for (const PDFGlyph& glyph : font.UsedAlphabet())
    text += PdfInt(glyph.Glyph) + " [" + PdfInt(glyph.Width) + "] ";
  text += "]\r\n>>\r\nendobj\r\n";
  output.Writer.Write(text);
  return number;
}

void WriteType0Font(const PDFFont& font, const QByteArray& name, int descendant, int toUnicode,
                    const PDFFontOutput& output) {
  output.Writer.UpdateObject(font.Reference());
  output.Writer.Write(ObjectLine(font.Reference()) + "\r\n<<\r\n/Type /Font\r\n/Subtype /Type0\r\n/BaseFont /" +
                      name + "\r\n/Encoding /Identity-H\r\n/DescendantFonts [" + Reference(descendant) +
                      "]\r\n/ToUnicode " + Reference(toUnicode) + "\r\n>>\r\nendobj\r\n");
}

}  // namespace

QByteArray PdfToUnicodeCMap(const QByteArray& fontName, const std::vector<PDFGlyph>& glyphs) {
  QByteArray cmapName = fontName;
  cmapName.replace(',', '+');
  QByteArray text = "/CIDInit /ProcSet findresource begin\r\n12 dict begin\r\nbegincmap\r\n/CIDSystemInfo\r\n"
                    "<< /Registry (Adobe)\r\n/Ordering (UCS)\r\n/Supplement 0\r\n>> def\r\n/CMapName /" +
                    cmapName + " def\r\n/CMapType 2 def\r\n1 begincodespacerange\r\n<0000> <FFFF>\r\n"
                    "endcodespacerange\r\n";
  for (std::size_t first = 0; first < glyphs.size(); first += MappingsPerBlock) {
    const std::size_t last = std::min(glyphs.size(), first + MappingsPerBlock);
    text += PdfInt(qint64(last - first)) + " beginbfchar\r\n";
    for (std::size_t k = first; k < last; ++k) {
      const char16_t glyph = glyphs[k].Glyph;
      const QStringView unicode(glyphs[k].Unicode);
      text += '<';
      AppendPdfHexUnits(text, std::u16string_view(&glyph, 1));
      text += "> <";
      AppendPdfHexUnits(text, std::u16string_view(unicode.utf16(), std::size_t(unicode.size())));
      text += ">\r\n";
    }
    text += "endbfchar\r\n";
  }
  text += "endcmap\r\nCMapName currentdict /CMap defineresource pop\r\nend\r\nend\r\n";
  return text;
}

void WritePDFFontObjects(PDFFont& font, const PDFFontOutput& output) {
  if (font.Reference() == 0)
    font.SetReference(output.Writer.ReserveObject());
  // A substitute face goes into the document whatever the settings, as the
  // subset of the glyphs shown: a reader that has the named font would map
  // our glyph codes into its own glyphs and show the wrong letters.
  const PDFFontFile subset =
      font.IsSubstitute() ? CachedFontSubset(font, output.Compressed, output.Encoder) : PDFFontFile{};
  const bool subsetEmbedded = !subset.Data.isEmpty();
  const QByteArray name = subsetEmbedded ? SubsetFontName(font.Face(), font.UsedAlphabet()) : font.GetFontName();
  int fontFile = 0;
  if (subsetEmbedded)
    fontFile = WriteFontFile(subset, output);
  else if (output.EmbeddedFonts)
    fontFile = WriteWholeFontFile(font, output);
  const int descriptor = WriteFontDescriptor(font, name, fontFile, output);
  const int toUnicode = WriteStreamObject(output, PdfToUnicodeCMap(name, font.UsedAlphabet()), EndOfData::Directly);
  const int systemInfo = WriteCIDSystemInfo(output);
  const int descendant = WriteDescendantFont(font, name, systemInfo, descriptor, output);
  WriteType0Font(font, name, descendant, toUnicode, output);
}

}  // namespace quitanza::report
