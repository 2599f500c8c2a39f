#pragma once

#include "app/manual/ManualText.h"

#include <QImage>
#include <QString>

#include <functional>

namespace quitanza::report { class Report; }

namespace quitanza::app {

// Lays the manual's blocks out on A4 pages of `report`, one report page per
// printed page: titles, headings and paragraphs in Arial, each picture of a
// window (from `windowPicture`, by the window's name) scaled to the text width.
void BuildManual(report::Report& report, const std::vector<ManualBlock>& blocks,
                 const std::function<QImage(const QString& window)>& windowPicture);

}  // namespace quitanza::app
