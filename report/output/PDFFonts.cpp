#include "report/output/PDFFonts.h"

#include "report/output/PDFFontObjects.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFWriter.h"

#include <stdexcept>

namespace quitanza::report {

using namespace platform;

int PDFFonts::FindOrAdd(const platform::Font& font) {
  for (std::size_t i = 0; i < m_fonts.size(); ++i) {
    if (m_fonts[i]->Serves(font))
      return int(i);
  }
  m_fonts.push_back(std::make_unique<PDFFont>(font, Count()));
  return Count() - 1;
}

void PDFFonts::Reserve(report::PDFWriter& writer) {
  for (const auto& font : m_fonts) {
    if (font->Reference() == 0)
      font->SetReference(writer.ReserveObject());
  }
}

QByteArray PDFFonts::ResourceEntries() const {
  QByteArray entries;
  for (const auto& font : m_fonts) {
    if (font->Reference() == 0)
      throw std::logic_error("PDF font " + font->Name().toStdString() + " listed before it has an object number");
    entries += font->Name() + ' ' + PdfInt(font->Reference()) + " 0 R ";
  }
  return entries;
}

void PDFFonts::Write(const PDFFontOutput& output) {
  for (const auto& font : m_fonts)
    WritePDFFontObjects(*font, output);
}

}  // namespace quitanza::report
