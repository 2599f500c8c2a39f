#include "doclib/TextPieces.h"

namespace quitanza::doclib {

QString TrimBlanks(const QString& text)
{
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && IsBlank(text.at(first)))
    ++first;
  while (last > first && IsBlank(text.at(last - 1)))
    --last;
  return text.mid(first, last - first);
}

}  // namespace quitanza::doclib
