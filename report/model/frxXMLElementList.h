#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

class QIODevice;

// A document read whole for building objects from it. The file's bytes are
// kept as they are and each element is a record of views into them, in
// document order: a large template costs a handful of allocations this way,
// where a tree of items costs several per element.
class TfrxXMLElementList {
public:
  // Reads the whole document; a damaged one raises TfrxInvalidXMLException.
  void Load(QIODevice& stream);

  int Count() const { return static_cast<int>(FElements.size()); }
  // The element's name and its raw attribute text (UTF-8, still escaped).
  QByteArrayView Name(int index) const { return At(index).Name; }
  QByteArrayView Text(int index) const { return At(index).Text; }
  // Index after the element's last descendant: its first child is at
  // index + 1 when that is below End(index), the next child at End(child).
  int End(int index) const { return At(index).End; }

  // The file was in the old 8-bit text form.
  bool OldVersion() const { return FOldVersion; }

  // --- filled by the reader
  void SetOldVersion(bool old) { FOldVersion = old; }
  // A view that lasts as long as the list: `bytes` itself when it lies in
  // the file's bytes, else a copy kept here.
  QByteArrayView Keep(QByteArrayView bytes);
  QByteArrayView Keep(QByteArray bytes);
  // Appends an element whose descendants follow; returns its index. The
  // views must come from Keep.
  int Open(QByteArrayView name, QByteArrayView text);
  // Marks the end of the descendants of `index`.
  void Close(int index) { FElements[static_cast<std::size_t>(index)].End = Count(); }

private:
  struct Element {
    QByteArrayView Name;
    QByteArrayView Text;
    int End = 0;
  };
  const Element& At(int index) const { return FElements[static_cast<std::size_t>(index)]; }

  QByteArray FSource;
  std::vector<QByteArray> FKept;  // texts not found as such in the file
  std::vector<Element> FElements;
  bool FOldVersion = false;
};
