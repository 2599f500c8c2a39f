#pragma once

namespace quitanza::report {

// The platform's paper codes with their sizes in tenths of a millimetre.
struct PaperSize {
  int Code;
  int Width;
  int Height;
};

// The paper with that code, or nullptr (custom sizes use code 256).
const PaperSize* FindPaperSize(int code);

}  // namespace quitanza::report
