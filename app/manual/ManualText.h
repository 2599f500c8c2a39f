#pragma once

#include <QString>

#include <vector>

namespace quitanza::app {

// One block of the operator's manual: a chapter title, a section heading or
// a paragraph, in the order they are read.
struct ManualBlock {
  enum class BlockKind { Title, Heading, Paragraph, Picture };
  BlockKind Kind;
  QString Text;  // for a picture: the name of the window shown
};

// What the manual says, in Portuguese, for the operator of the program.
std::vector<ManualBlock> ManualText();

}  // namespace quitanza::app
