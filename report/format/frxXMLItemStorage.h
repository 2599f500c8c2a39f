#pragma once

#include <QtGlobal>

class QIODevice;
class TfrxXMLItem;

// Page items moved out of memory: written as one element at the end of a
// file and read back from there.

// Appends `item` with its children as one element; returns its position.
qint64 frxAppendItem(QIODevice& device, const TfrxXMLItem& item);
// Reads the element at `offset`, which must carry the name of `item`, and
// appends its children to `into`. A position that does not hold that element
// raises TfrxInvalidXMLException.
void frxReadItemChildren(QIODevice& device, qint64 offset, const TfrxXMLItem& item, TfrxXMLItem& into,
                         bool oldVersion);
