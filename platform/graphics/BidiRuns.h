#pragma once

#include <QStringView>

#include <vector>

namespace quitanza::platform {

// A stretch of UTF-16 units that is laid out in one direction.
struct BidiRun {
  int Start = 0;
  int Length = 0;
  bool RightToLeft = false;
};

// The runs of a line in display order (Unicode bidirectional algorithm via
// fribidi), with a right-to-left base direction when rightToLeftBase is set.
// Text without any right-to-left character and with a left-to-right base is
// one run, without calling fribidi.
std::vector<BidiRun> VisualRuns(QStringView text, bool rightToLeftBase);

}  // namespace quitanza::platform
