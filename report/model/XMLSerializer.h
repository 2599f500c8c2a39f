#pragma once

#include "report/model/ErrorList.h"
#include "report/model/PropTable.h"

#include <QChar>
#include <QHash>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace quitanza::report {

class Component;
class Report;
class XMLItem;

// Turns objects into elements and attribute strings of the template dialect
// and back, driven by the classes' property tables.
class XMLSerializer {
public:
  // Errors go to the report's error list (and to Errors()); component
  // references are resolved among the report's objects.
  explicit XMLSerializer(quitanza::report::Report* report = nullptr);

  // Floats are written with this separator; reading accepts both.
  QChar DecimalSeparator() const { return m_decimalSeparator; }
  void SetDecimalSeparator(QChar separator) { m_decimalSeparator = separator; }
  // The document was an old-format (8-bit) file: memo texts hold UTF-8.
  void SetOldFormat(bool oldFormat) { m_oldFormat = oldFormat; }

  // --- writing
  // " Name=value" for every stored property of `object`, then PropData.
  QString ObjToXML(const void* object, const PropTable& table, bool includeDefaults = false) const;
  // A component's attribute text; the root of a write carries no Name.
  QString ComponentAttributes(const quitanza::report::Component& component, bool isRoot, bool includeDefaults) const;
  void WriteRootComponent(const quitanza::report::Component& component, quitanza::report::XMLItem& item, bool saveChildren,
                          bool includeDefaults) const;
  // Class name, a space and the attribute text (without Name).
  QString WriteComponentStr(const quitanza::report::Component& component) const;

  // --- reading
  // Reads attributes into a non-component object (a collection item).
  void ReadObjectAttributes(void* object, const PropTable& table, QStringView text);
  // Reads attributes into a component and resolves its references.
  void ReadAttributes(quitanza::report::Component& component, QStringView text);
  // The same from UTF-8 attribute text as files hold it.
  void ReadAttributes(quitanza::report::Component& component, QByteArrayView utf8);
  // Clears `root`, reads the element into it and its children below it.
  void ReadRootComponent(quitanza::report::Component& root, const quitanza::report::XMLItem& item);
  // A new unparented object from WriteComponentStr's form; throws ReportError
  // for an unknown class.
  std::unique_ptr<quitanza::report::Component> ReadComponentStr(const QString& text);

  const ErrorList& Errors() const { return m_errors; }

private:
  // Attribute text as UTF-8, each attribute after a space; `prefix` is the
  // dotted path of sub-objects.
  void AppendAttributes(std::string& out, const void* object, const PropTable& table, const std::string& prefix,
                        bool includeDefaults) const;
  void AppendValue(std::string& out, const void* object, const PropInfo& property, const std::string& prefix,
                   bool includeDefaults) const;
  std::string ComponentText(const quitanza::report::Component& component, bool isRoot, bool includeDefaults) const;
  void WriteComponent(const quitanza::report::Component& component, quitanza::report::XMLItem& item, bool saveChildren, bool includeDefaults,
                      bool isRoot) const;

  void ReadElement(quitanza::report::Component& component, const quitanza::report::XMLItem& item);
  // The component a child element describes: one read earlier under the same
  // name, or a new one under `parent`; nullptr when the element is skipped.
  quitanza::report::Component* ComponentFor(quitanza::report::Component& parent, const quitanza::report::XMLItem& element);
  // Attribute names and values are the raw UTF-8 of the file, still escaped.
  void ApplyComponentAttribute(quitanza::report::Component& component, QByteArrayView name, QByteArrayView value);
  void ApplyProperty(void* object, const PropTable& table, QByteArrayView name, QByteArrayView value);
  void SetValue(void* object, const PropInfo& property, QByteArrayView value);
  void ReadPropData(void* object, const PropTable& table, QByteArrayView value);
  QString DecodeMemoText(QByteArrayView value) const;
  void ReadAttributeText(quitanza::report::Component& component, QByteArrayView text);
  void ResolveReferences(const quitanza::report::Component& scope);
  void FinishLoading();
  void AddError(const QString& message);

  quitanza::report::Report* m_report;
  QChar m_decimalSeparator;
  bool m_oldFormat = false;
  ErrorList m_errors;
  std::vector<PropReference> m_references;
  std::vector<quitanza::report::Component*> m_loaded;
  // Objects read so far, by case-folded name.
  QHash<QString, quitanza::report::Component*> m_named;
};

}  // namespace quitanza::report
