#pragma once

#include <QString>

#include <optional>

namespace quitanza::report {

// The smallest zoom the preview shows; smaller values are raised to it.
inline constexpr double kMinZoom = 0.25;

// A zoom typed or chosen in the zoom list ("150 %", "75%", "200"): its first
// "%" and every space dropped, the rest read as a percentage. Nothing when
// no number is left.
std::optional<double> ParseZoomText(const QString& text);

// The zoom list's text for a zoom: whole percent followed by "%".
QString ZoomText(double zoom);

}  // namespace quitanza::report
