#pragma once

namespace quitanza::report {

// Report coordinates are pixels at 96 per inch. The millimetre factor is this
// stored value, not 96 / 25.4, so that positions match existing templates.
inline constexpr long double fr1mm = 3.77953L;
inline constexpr long double fr1cm = 37.7953L;
inline constexpr long double fr01in = 9.6L;
inline constexpr long double fr1in = 96.0L;
inline constexpr long double fr1CharX = 9.6L;
inline constexpr long double fr1CharY = 17.0L;

}  // namespace quitanza::report
