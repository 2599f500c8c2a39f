#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

// One element of a template document. Text is the raw attribute text as it
// stands between the element name and the end of the tag, still escaped, in
// UTF-8 (old 8-bit files are converted when read); attributes are read from
// it on demand.
class TfrxXMLItem {
public:
  TfrxXMLItem() = default;
  TfrxXMLItem(const TfrxXMLItem&) = delete;
  TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

  QString Name;
  QByteArray Text;
  QString Value;  // text content: written, never read back
  bool Loaded = true;
  bool Unloadable = false;
  qint64 Offset = 0;  // stream position of an unloaded item

  TfrxXMLItem* Parent() const { return FParent; }
  TfrxXMLItem* Root();
  int Count() const { return static_cast<int>(FItems.size()); }
  TfrxXMLItem& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
  TfrxXMLItem& operator[](int index) const { return Items(index); }

  TfrxXMLItem& Add();
  TfrxXMLItem& Add(const QString& name);
  void AddItem(std::unique_ptr<TfrxXMLItem> item);
  void InsertItem(int index, std::unique_ptr<TfrxXMLItem> item);
  // Detaches a child and hands it to the caller, e.g. to adopt it elsewhere.
  std::unique_ptr<TfrxXMLItem> TakeItem(int index);
  int IndexOf(const TfrxXMLItem* item) const;
  int Find(QStringView name) const;
  TfrxXMLItem& FindItem(const QString& name);
  void Clear();

  QString Prop(QByteArrayView name) const;
  void SetProp(QByteArrayView name, const QString& value);
  bool PropExists(QByteArrayView name) const;
  void DeleteProp(QByteArrayView name);

private:
  // Position of the quoted value of attribute `name` in Text, or -1.
  qsizetype ValueStart(QByteArrayView name) const;

  TfrxXMLItem* FParent = nullptr;
  std::vector<std::unique_ptr<TfrxXMLItem>> FItems;
};

// A template document: one root element, read and written in the dialect of
// the engine's own files.
class TfrxXMLDocument {
public:
  TfrxXMLItem& Root() { return FRoot; }
  const TfrxXMLItem& Root() const { return FRoot; }
  // The file was in the old 8-bit text form.
  bool OldVersion() const { return FOldVersion; }
  void SetOldVersion(bool old) { FOldVersion = old; }
  bool AutoIndent = true;

  void Clear();
  // Reads the whole document; on error the document is left empty and
  // TfrxInvalidXMLException is raised.
  void LoadFromStream(QIODevice& stream);
  void SaveToStream(QIODevice& stream) const;
  void LoadFromFile(const QString& fileName);
  // Writes to fileName + ".tmp", replaces the old file with it and loads it
  // again, so a failed write never destroys the previous file.
  void SaveToFile(const QString& fileName);

private:
  TfrxXMLItem FRoot;
  bool FOldVersion = false;
};
