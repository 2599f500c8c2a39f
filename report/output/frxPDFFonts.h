#pragma once

#include "platform/graphics/Font.h"
#include "report/output/frxPDFFont.h"

#include <QByteArray>

#include <memory>
#include <vector>

struct TfrxPDFFontOutput;
class TfrxPDFWriter;

// The fonts of one export run, in order of first use. Glyphs accumulate over
// all pages; every page lists every font registered so far.
class TfrxPDFFonts {
public:
  // The index of the entry that serves the font, made when there is none;
  // the entry's resource name is "/F" followed by the index.
  int FindOrAdd(const quitanza::platform::Font& font);
  TfrxPDFFont& operator[](int index) { return *FFonts.at(std::size_t(index)); }
  int Count() const { return int(FFonts.size()); }
  void Clear() { FFonts.clear(); }

  // Gives every entry without an object number one (at the end of each page).
  void Reserve(TfrxPDFWriter& writer);
  // "/F0 5 0 R /F1 9 0 R ": the entries of a page's /Font resources, each
  // followed by a space. Entries must have been reserved.
  QByteArray ResourceEntries() const;
  // The objects of every entry, in registry order (at the end of the run).
  void Write(const TfrxPDFFontOutput& output);

private:
  std::vector<std::unique_ptr<TfrxPDFFont>> FFonts;
};
