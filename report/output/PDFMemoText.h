#pragma once

namespace quitanza::report {

class CustomMemoView;
class PDFFonts;
class PDFPageContent;

// Writes a memo as text: clip, shadow, fill, frame, ruled lines and each line
// the text engine wraps, shown in a composite font with glyph codes. The
// engine wraps exactly as for drawing; the lines are placed here.
void WritePDFMemoText(PDFPageContent& content, const CustomMemoView& memo, PDFFonts& fonts);

}  // namespace quitanza::report
