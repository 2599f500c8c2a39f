#pragma once

#include "report/model/frxAttributeSequence.h"
#include "report/model/frxErrorList.h"
#include "report/model/frxFloatTextCache.h"
#include "report/model/frxFloatValueCache.h"
#include "report/model/frxNameIndex.h"
#include "report/model/frxPropTable.h"
#include "report/model/frxXMLText.h"

#include <QChar>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class TfrxComponent;
class TfrxReport;
class TfrxXMLElementList;
class TfrxXMLItem;
class TfrxXMLWriter;

// Turns objects into elements and attribute strings of the template dialect
// and back, driven by the classes' property tables.
class TfrxXMLSerializer {
public:
  // Errors go to the report's error list (and to Errors()); component
  // references are resolved among the report's objects.
  explicit TfrxXMLSerializer(TfrxReport* report = nullptr);

  // Floats are written with this separator; reading accepts both.
  QChar DecimalSeparator() const { return FDecimalSeparator; }
  void SetDecimalSeparator(QChar separator) { FDecimalSeparator = separator; }
  // The document was an old-format (8-bit) file: memo texts hold UTF-8.
  void SetOldFormat(bool oldFormat) { FOldFormat = oldFormat; }

  // --- writing
  // " Name=value" for every stored property of `object`, then PropData.
  QString ObjToXML(const void* object, const TfrxPropTable& table, bool includeDefaults = false) const;
  // A component's attribute text; the root of a write carries no Name.
  QString ComponentAttributes(const TfrxComponent& component, bool isRoot, bool includeDefaults) const;
  void WriteRootComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                          bool includeDefaults) const;
  // The same straight to a document writer, without building items.
  void WriteRootComponent(const TfrxComponent& component, TfrxXMLWriter& writer, bool saveChildren,
                          bool includeDefaults) const;
  // Class name, a space and the attribute text (without Name).
  QString WriteComponentStr(const TfrxComponent& component) const;

  // --- reading
  // Reads attributes into a non-component object (a collection item).
  void ReadObjectAttributes(void* object, const TfrxPropTable& table, QStringView text);
  // Reads attributes into a component and resolves its references.
  void ReadAttributes(TfrxComponent& component, QStringView text);
  // The same from UTF-8 attribute text as files hold it.
  void ReadAttributes(TfrxComponent& component, QByteArrayView utf8);
  // Clears `root`, reads the element into it and its children below it.
  void ReadRootComponent(TfrxComponent& root, const TfrxXMLItem& item);
  // The same from a document read whole; also takes its old-format flag.
  void ReadRootComponent(TfrxComponent& root, const TfrxXMLElementList& elements);
  // A new unparented object from WriteComponentStr's form; throws EfrxError
  // for an unknown class.
  std::unique_ptr<TfrxComponent> ReadComponentStr(const QString& text);

  const TfrxErrorList& Errors() const { return FErrors; }

private:
  struct Fixup {
    void* object;
    const TfrxPropInfo* property;
    QString name;
  };

  void WriteComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren, bool includeDefaults,
                      bool isRoot) const;
  void WriteComponent(const TfrxComponent& component, TfrxXMLWriter& writer, int level, bool saveChildren,
                      bool includeDefaults, bool isRoot) const;
  // Attribute text as UTF-8; `prefix` is the dotted path of sub-objects.
  void AppendAttributes(TfrxXMLText& out, const void* object, const TfrxPropTable& table, std::string& prefix,
                        bool includeDefaults) const;
  void AppendValue(TfrxXMLText& out, const void* object, const TfrxPropInfo& property, std::string& prefix,
                   bool includeDefaults) const;
  void AppendComponentAttributes(TfrxXMLText& out, const TfrxComponent& component, bool isRoot,
                                 bool includeDefaults) const;
  // The same with a space before every attribute, the first included.
  void AppendSpacedAttributes(TfrxXMLText& out, const TfrxComponent& component, bool isRoot,
                              bool includeDefaults) const;

  template <class Read> void ReadRoot(TfrxComponent& root, Read read);
  void ReadElement(TfrxComponent& component, const TfrxXMLItem& item);
  void ReadElement(TfrxComponent& component, const TfrxXMLElementList& elements, int index);
  // Reads the attributes of an element into its component.
  void StartElement(TfrxComponent& component, QByteArrayView text);
  // The component a child element describes: one read earlier under the same
  // name, or a new one under `parent`; nullptr when the element is skipped.
  TfrxComponent* ComponentFor(TfrxComponent& parent, QAnyStringView className, QByteArrayView text);
  // The Name attribute of an element's attribute text, kept in FElementName.
  const QString& ElementName(QByteArrayView text);
  // Attribute names and values are the raw UTF-8 of the file, still escaped.
  static TfrxResolvedAttribute Resolve(const TfrxPropTable& table, QByteArrayView name);
  void ApplyComponentAttribute(TfrxComponent& component, const TfrxPropTable& table,
                               const TfrxResolvedAttribute& resolved, QByteArrayView name, QByteArrayView value);
  void ApplyProperty(void* object, const TfrxPropTable& table, QByteArrayView name, QByteArrayView value);
  void SetValue(void* object, const TfrxPropInfo& property, QByteArrayView value);
  void ReadPropData(void* object, const TfrxPropTable& table, QByteArrayView value);
  QString DecodeMemoText(QByteArrayView value) const;
  void ReadAttributeText(TfrxComponent& component, QByteArrayView text);
  void ResolveReferences(const TfrxComponent& scope);
  void FinishLoading();
  void AddError(const QString& message);

  // Calls apply(name, value) for each attribute of an attribute string.
  template <class Apply> static void ParseAttributes(QByteArrayView text, Apply apply);
  // The same where expected(rest) may tell the size of the name `rest`
  // starts with, known to be followed by '=' (-1: not known).
  template <class Expected, class Apply> static void ParseAttributes(QByteArrayView text, Expected expected, Apply apply);

  TfrxReport* FReport;
  QChar FDecimalSeparator;
  bool FOldFormat = false;
  TfrxErrorList FErrors;
  std::vector<Fixup> FFixups;
  std::vector<TfrxComponent*> FLoaded;
  // Objects read so far, by name.
  TfrxNameIndex FNamed;
  QByteArray FPropData;  // storage for the binary form of PropData blocks
  // The raw Name value ElementName decoded last, until the element's
  // attributes are read.
  QByteArrayView FElementNameValue;
  // The name ComponentFor looked up last, and its hash.
  QString FElementName;
  std::size_t FElementNameHash = 0;
  mutable TfrxFloatTextCache FFloatTexts;
  TfrxFloatValueCache FFloatValues;
  TfrxAttributeSequences FSequences;
};
