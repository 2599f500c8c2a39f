#pragma once

#include <QString>

#include <cstdint>

namespace quitanza::report {

// The text as it survives a trip through the 8-bit code page of a font charset
// (characters the code page lacks become '?'), which is what an expression written
// for a font of that charset means. Charsets without a code page leave the text unchanged.
QString RoundTripThroughCharset(const QString& text, std::uint8_t charset);

}  // namespace quitanza::report
