#include "report/output/frxPDFFonts.h"

#include "report/output/frxPDFFontObjects.h"
#include "report/output/frxPDFNumbers.h"
#include "report/output/frxPDFWriter.h"

#include <stdexcept>

using namespace quitanza::platform;

int TfrxPDFFonts::FindOrAdd(const quitanza::platform::Font& font) {
  for (std::size_t i = 0; i < FFonts.size(); ++i) {
    if (FFonts[i]->Serves(font))
      return int(i);
  }
  FFonts.push_back(std::make_unique<TfrxPDFFont>(font, Count()));
  return Count() - 1;
}

void TfrxPDFFonts::Reserve(TfrxPDFWriter& writer) {
  for (const auto& font : FFonts) {
    if (font->Reference() == 0)
      font->SetReference(writer.ReserveObject());
  }
}

QByteArray TfrxPDFFonts::ResourceEntries() const {
  QByteArray entries;
  for (const auto& font : FFonts) {
    if (font->Reference() == 0)
      throw std::logic_error("PDF font " + font->Name().toStdString() + " listed before it has an object number");
    entries += font->Name() + ' ' + PdfInt(font->Reference()) + " 0 R ";
  }
  return entries;
}

void TfrxPDFFonts::Write(const TfrxPDFFontOutput& output) {
  for (const auto& font : FFonts)
    WritePDFFontObjects(*font, output);
}
