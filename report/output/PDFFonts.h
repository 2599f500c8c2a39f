#pragma once

#include "platform/graphics/Font.h"
#include "report/output/PDFFont.h"

#include <QByteArray>

#include <memory>
#include <vector>

namespace quitanza::report {

struct PDFFontOutput;
class PDFWriter;

// The fonts of one export run, in order of first use. Glyphs accumulate over
// all pages; every page lists every font registered so far.
class PDFFonts {
public:
  // The index of the entry that serves the font, made when there is none;
  // the entry's resource name is "/F" followed by the index.
  int FindOrAdd(const platform::Font& font);
  PDFFont& operator[](int index) { return *m_fonts.at(std::size_t(index)); }
  int Count() const { return int(m_fonts.size()); }
  void Clear() { m_fonts.clear(); }

  // Gives every entry without an object number one (at the end of each page).
  void Reserve(report::PDFWriter& writer);
  // "/F0 5 0 R /F1 9 0 R ": the entries of a page's /Font resources, each
  // followed by a space. Entries must have been reserved.
  QByteArray ResourceEntries() const;
  // The objects of every entry, in registry order (at the end of the run).
  void Write(const PDFFontOutput& output);

private:
  std::vector<std::unique_ptr<PDFFont>> m_fonts;
};

}  // namespace quitanza::report
