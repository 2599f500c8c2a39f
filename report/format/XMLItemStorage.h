#pragma once

#include <QtGlobal>

class QIODevice;

namespace quitanza::report {

class XMLItem;

// Page items moved out of memory: written as one element at the end of a
// file and read back from there.

// Appends `item` with its children as one element; returns its position.
qint64 AppendItem(QIODevice& device, const XMLItem& item);
// Reads the element at `offset`, which must carry the name of `item`, and
// appends its children to `into`. A position that does not hold that element
// raises InvalidXMLException.
void ReadItemChildren(QIODevice& device, qint64 offset, const XMLItem& item, XMLItem& into,
                      bool oldVersion);

}  // namespace quitanza::report
