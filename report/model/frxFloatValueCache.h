#pragma once

#include "report/model/frxShortBytes.h"

#include <QByteArrayView>

#include <array>
#include <memory>

// The values of float texts read lately, by text. Templates repeat their
// coordinates and sizes from object to object, and converting a decimal text
// to an extended value exactly costs a division on the x87 unit.
class TfrxFloatValueCache {
public:
  // frxStrToFloat(text); throws as it does, and then remembers nothing.
  long double Value(QByteArrayView text);

private:
  struct Entry {
    TfrxShortBytes Text;  // empty: nothing remembered (no float is written so)
    long double Value = 0;
  };
  static constexpr std::size_t kSize = 256;  // a power of two

  std::unique_ptr<std::array<Entry, kSize>> FEntries;  // made on first use
};
