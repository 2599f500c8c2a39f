#include "platform/graphics/BidiRuns.h"

#include <fribidi.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace quitanza::platform {

namespace {

// Hebrew is the first block with strong right-to-left characters; surrogates
// lie above it too, so any supplementary character takes the full route.
bool mayNeedBidi(QStringView text)
{
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0590; });
}

struct LevelRun {
  BidiRun run;
  FriBidiLevel level;
};

// Rule L2: from the highest level down to the lowest odd one, reverse every
// maximal sequence of runs at that level or above.
void reorderRuns(std::vector<LevelRun>& runs)
{
  // FriBidiLevel is a signed char: the "no odd level yet" mark must not be one.
  int highest = 0;
  int lowestOdd = std::numeric_limits<int>::max();
  for (const LevelRun& r : runs) {
    highest = std::max<int>(highest, r.level);
    if (r.level % 2 == 1)
      lowestOdd = std::min<int>(lowestOdd, r.level);
  }
  for (int level = highest; level >= lowestOdd && level > 0; --level) {
    auto it = runs.begin();
    while (it != runs.end()) {
      if (it->level < level) {
        ++it;
        continue;
      }
      auto end = std::find_if(it, runs.end(), [level](const LevelRun& r) { return r.level < level; });
      std::reverse(it, end);
      it = end;
    }
  }
}

}  // namespace

std::vector<BidiRun> VisualRuns(QStringView text, bool rightToLeftBase)
{
  if (text.isEmpty())
    return {};
  if (!rightToLeftBase && !mayNeedBidi(text))
    return {BidiRun{0, static_cast<int>(text.size()), false}};

  std::vector<FriBidiChar> codePoints;
  std::vector<int> unitOfCodePoint;
  codePoints.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    unitOfCodePoint.push_back(i);
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
      codePoints.push_back(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
      ++i;
    } else {
      codePoints.push_back(unit);
    }
  }
  const auto count = static_cast<FriBidiStrIndex>(codePoints.size());
  std::vector<FriBidiCharType> types(codePoints.size());
  std::vector<FriBidiBracketType> brackets(codePoints.size());
  std::vector<FriBidiLevel> levels(codePoints.size());
  fribidi_get_bidi_types(codePoints.data(), count, types.data());
  fribidi_get_bracket_types(codePoints.data(), count, types.data(), brackets.data());
  FriBidiParType direction = rightToLeftBase ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), count, &direction, levels.data()) == 0)
    throw std::runtime_error("The bidirectional analysis of a text line failed");

  std::vector<LevelRun> runs;
  for (std::size_t k = 0; k < codePoints.size(); ++k) {
    const int unit = unitOfCodePoint[k];
    const int nextUnit = k + 1 < codePoints.size() ? unitOfCodePoint[k + 1] : static_cast<int>(text.size());
    if (!runs.empty() && runs.back().level == levels[k]) {
      runs.back().run.Length += nextUnit - unit;
      continue;
    }
    runs.push_back({BidiRun{unit, nextUnit - unit, levels[k] % 2 == 1}, levels[k]});
  }
  reorderRuns(runs);
  std::vector<BidiRun> result;
  result.reserve(runs.size());
  for (const LevelRun& r : runs)
    result.push_back(r.run);
  return result;
}

}  // namespace quitanza::platform
