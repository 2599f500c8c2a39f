#pragma once

#include <QImage>
#include <QStringList>

namespace quitanza::report {

class PageSource;

// Resolutions a page may be rendered at, in dots per inch.
inline constexpr int kPngMinDpi = 1;
inline constexpr int kPngMaxDpi = 1200;

// Prepared page `index` drawn on white paper at `dpi` dots per inch; a null
// image when there is no such page. Throws std::out_of_range for a resolution
// outside kPngMinDpi .. kPngMaxDpi, and std::runtime_error for a page that
// would be empty, wider or taller than 20,000 pixels or larger than 150
// million, or that finds no memory.
QImage RenderPage(PageSource& pages, int index, int dpi = 96);

// PREFIX-3.png for page 3.
QString PngPageFileName(const QString& prefix, int page);

// Writes every prepared page as PREFIX-1.png, PREFIX-2.png, ... at `dpi` and
// returns the file names written. A file that cannot be written throws
// FileError naming it; the pages before it stay written.
QStringList ExportPagesToPng(PageSource& pages, const QString& prefix, int dpi = 96);

}  // namespace quitanza::report
