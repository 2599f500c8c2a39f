#pragma once

#include "report/model/frxErrorList.h"
#include "report/model/frxPropTable.h"

#include <QChar>
#include <QHash>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class TfrxComponent;
class TfrxReport;
class TfrxXMLItem;

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
  // A new unparented object from WriteComponentStr's form; throws EfrxError
  // for an unknown class.
  std::unique_ptr<TfrxComponent> ReadComponentStr(const QString& text);

  const TfrxErrorList& Errors() const { return FErrors; }

private:
  // Attribute text as UTF-8, each attribute after a space; `prefix` is the
  // dotted path of sub-objects.
  void AppendAttributes(std::string& out, const void* object, const TfrxPropTable& table, const std::string& prefix,
                        bool includeDefaults) const;
  void AppendValue(std::string& out, const void* object, const TfrxPropInfo& property, const std::string& prefix,
                   bool includeDefaults) const;
  std::string ComponentText(const TfrxComponent& component, bool isRoot, bool includeDefaults) const;
  void WriteComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren, bool includeDefaults,
                      bool isRoot) const;

  void ReadElement(TfrxComponent& component, const TfrxXMLItem& item);
  // The component a child element describes: one read earlier under the same
  // name, or a new one under `parent`; nullptr when the element is skipped.
  TfrxComponent* ComponentFor(TfrxComponent& parent, const TfrxXMLItem& element);
  // Attribute names and values are the raw UTF-8 of the file, still escaped.
  void ApplyComponentAttribute(TfrxComponent& component, QByteArrayView name, QByteArrayView value);
  void ApplyProperty(void* object, const TfrxPropTable& table, QByteArrayView name, QByteArrayView value);
  void SetValue(void* object, const TfrxPropInfo& property, QByteArrayView value);
  void ReadPropData(void* object, const TfrxPropTable& table, QByteArrayView value);
  QString DecodeMemoText(QByteArrayView value) const;
  void ReadAttributeText(TfrxComponent& component, QByteArrayView text);
  void ResolveReferences(const TfrxComponent& scope);
  void FinishLoading();
  void AddError(const QString& message);

  TfrxReport* FReport;
  QChar FDecimalSeparator;
  bool FOldFormat = false;
  TfrxErrorList FErrors;
  std::vector<TfrxPropReference> FReferences;
  std::vector<TfrxComponent*> FLoaded;
  // Objects read so far, by case-folded name.
  QHash<QString, TfrxComponent*> FNamed;
};
