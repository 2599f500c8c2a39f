#pragma once

namespace quitanza::report {

// Alignment of a memo's text inside its box.
enum HAlign : int { haLeft, haRight, haCenter, haBlock };
enum VAlign : int { vaTop, vaBottom, vaCenter };

}  // namespace quitanza::report
