#pragma once

// The platform's paper codes with their sizes in tenths of a millimetre.
struct TfrxPaperSize {
  int Code;
  int Width;
  int Height;
};

// The paper with that code, or nullptr (custom sizes use code 256).
const TfrxPaperSize* frxFindPaperSize(int code);
