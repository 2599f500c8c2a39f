#pragma once

#include "report/model/frxPairedSets.h"
#include "report/model/frxShortBytes.h"

#include <QByteArrayView>

// The values of float texts read lately, by text. Templates repeat their
// coordinates and sizes from object to object, and converting a decimal text
// to an extended value exactly costs a division on the x87 unit.
class TfrxFloatValueCache {
public:
  // frxStrToFloat(text); throws as it does, and then remembers nothing.
  long double Value(QByteArrayView text);

private:
  struct Entry {
    long double Value = 0;
    TfrxShortBytes Text;  // empty: nothing remembered (no float is written so)
    bool Empty() const { return Text.Size == 0; }
  };

  TfrxPairedSets<Entry, 256> FEntries;
};
