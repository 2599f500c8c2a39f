#pragma once

// Alignment of a memo's text inside its box.
enum TfrxHAlign : int { haLeft, haRight, haCenter, haBlock };
enum TfrxVAlign : int { vaTop, vaBottom, vaCenter };
