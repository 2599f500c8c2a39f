#pragma once

class TfrxCustomMemoView;
class TfrxPDFFonts;
class TfrxPDFPageContent;

// Writes a memo as text: clip, shadow, fill, frame, ruled lines and each line
// the text engine wraps, shown in a composite font with glyph codes. The
// engine wraps exactly as for drawing; the lines are placed here.
void WritePDFMemoText(TfrxPDFPageContent& content, const TfrxCustomMemoView& memo, TfrxPDFFonts& fonts);
