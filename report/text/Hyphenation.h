#pragma once

#include <QString>

namespace quitanza::report {

// The longest syllable prefix of the word that starts at `from` (1-based) and
// runs to the first of " .,-;" at or after `to`, that is shorter than
// to - from characters; empty when there is none. Only Cyrillic words have
// syllable boundaries.
QString HyphenateWord(const QString& text, int from, int to);

}  // namespace quitanza::report
