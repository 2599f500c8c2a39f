#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string>
#include <vector>

// A document read whole for building objects from it: one buffer holds every
// element's name and attribute text, and one record per element keeps
// document order. A large template costs a handful of allocations this way,
// where a tree of items costs several per element.
class TfrxXMLElementList {
public:
  int Count() const { return static_cast<int>(FElements.size()); }
  // The element's name and its raw attribute text (UTF-8, still escaped).
  QByteArrayView Name(int index) const;
  QByteArrayView Text(int index) const;
  // Index after the element's last descendant: its first child is at
  // index + 1 when that is below End(index), the next child at End(child).
  int End(int index) const { return FElements[static_cast<std::size_t>(index)].End; }

  // The file was in the old 8-bit text form.
  bool OldVersion() const { return FOldVersion; }
  void SetOldVersion(bool old) { FOldVersion = old; }

  // --- filled by the reader
  // Appends an element whose descendants follow; returns its index.
  int Open(QByteArrayView name);
  // The buffer the attribute text of the element opened last goes into.
  std::string& TextBuffer() { return FBuffer; }
  void EndText(int index);
  // Marks the end of the descendants of `index`.
  void Close(int index) { FElements[static_cast<std::size_t>(index)].End = Count(); }
  void Clear();

private:
  struct Element {
    qsizetype NameStart = 0;
    qsizetype TextStart = 0;
    qsizetype TextEnd = 0;
    int End = 0;
  };

  std::string FBuffer;
  std::vector<Element> FElements;
  bool FOldVersion = false;
};
