#pragma once

#include <cstddef>

namespace quitanza::platform {

// Lets this process hold `files` files open at once, besides those it has
// open already, raising its own limit as far as the system allows: many
// FileReplacements waiting for one commit each hold a file open. Where the
// system allows fewer, the limit goes as high as it may and opening the file
// too many fails as any open does.
void AllowOpenFiles(std::size_t files);

}  // namespace quitanza::platform
