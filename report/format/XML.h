#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

namespace quitanza::report {

// One element of a template document. Text is the raw attribute text as it
// stands between the element name and the end of the tag, still escaped, in
// UTF-8 (old 8-bit files are converted when read); attributes are read from
// it on demand.
class XMLItem {
public:
  XMLItem() = default;
  XMLItem(const report::XMLItem&) = delete;
  report::XMLItem& operator=(const report::XMLItem&) = delete;

  QString Name;
  QByteArray Text;
  QString Value;  // text content: written, never read back
  bool Loaded = true;
  bool Unloadable = false;
  qint64 Offset = 0;  // stream position of an unloaded item

  report::XMLItem* Parent() const { return m_parent; }
  report::XMLItem* Root();
  int Count() const { return static_cast<int>(m_items.size()); }
  report::XMLItem& Items(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
  report::XMLItem& operator[](int index) const { return Items(index); }

  report::XMLItem& Add();
  report::XMLItem& Add(const QString& name);
  void AddItem(std::unique_ptr<report::XMLItem> item);
  void InsertItem(int index, std::unique_ptr<report::XMLItem> item);
  // Detaches a child and hands it to the caller, e.g. to adopt it elsewhere.
  std::unique_ptr<report::XMLItem> TakeItem(int index);
  int IndexOf(const report::XMLItem* item) const;
  int Find(QStringView name) const;
  report::XMLItem& FindItem(const QString& name);
  void Clear();

  QString Prop(QByteArrayView name) const;
  void SetProp(QByteArrayView name, const QString& value);
  bool PropExists(QByteArrayView name) const;
  void DeleteProp(QByteArrayView name);

private:
  // Position of the quoted value of attribute `name` in Text, or -1.
  qsizetype ValueStart(QByteArrayView name) const;

  report::XMLItem* m_parent = nullptr;
  std::vector<std::unique_ptr<report::XMLItem>> m_items;
};

// A template document: one root element, read and written in the dialect of
// the engine's own files.
class XMLDocument {
public:
  report::XMLItem& Root() { return m_root; }
  const report::XMLItem& Root() const { return m_root; }
  // The file was in the old 8-bit text form.
  bool OldVersion() const { return m_oldVersion; }
  void SetOldVersion(bool old) { m_oldVersion = old; }
  bool AutoIndent = true;

  void Clear();
  // Reads the whole document; on error the document is left empty and
  // InvalidXMLException is raised.
  void LoadFromStream(QIODevice& stream);
  void SaveToStream(QIODevice& stream) const;
  void LoadFromFile(const QString& fileName);
  // Writes to fileName + ".tmp", replaces the old file with it and loads it
  // again, so a failed write never destroys the previous file.
  void SaveToFile(const QString& fileName);

private:
  report::XMLItem m_root;
  bool m_oldVersion = false;
};

}  // namespace quitanza::report
