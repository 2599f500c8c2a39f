#pragma once

namespace quitanza::report {

// Alignment of a memo's text inside its box.
enum class HAlign : int { Left, Right, Center, Block };
enum class VAlign : int { Top, Bottom, Center };

}  // namespace quitanza::report
