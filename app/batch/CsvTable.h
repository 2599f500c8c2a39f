#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace quitanza::app {

// One record of a CSV file: its fields, and the line of the file it starts on
// (a quoted field may run over several lines).
struct CsvRecord {
  int Line = 0;
  QStringList Fields;
};

// A CSV file as spreadsheets export it: the header's record first. The
// separator is ';' or ',', whichever the header line holds more of outside
// quotes (';' when neither), as a Brazilian spreadsheet writes ';' and
// others ','. Fields may be quoted, with doubled quotes inside and line
// breaks kept; lines end in CR LF, LF or CR. Bytes are UTF-8, with or
// without a byte order mark, or else Windows-1252 (a spreadsheet saving
// "CSV" on Windows). Throws InvalidInputError for a quote left open.
std::vector<CsvRecord> ReadCsv(QByteArrayView bytes);

}  // namespace quitanza::app
