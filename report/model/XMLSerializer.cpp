#include "report/model/XMLSerializer.h"

#include "report/format/BinaryProps.h"
#include "report/format/CodePage.h"
#include "report/format/Errors.h"
#include "report/format/Float.h"
#include "report/format/XML.h"
#include "report/format/XMLEscape.h"
#include "report/model/ClassRegistry.h"
#include "report/model/Component.h"
#include "report/model/MemoView.h"
#include "report/model/Report.h"

#include <utility>

namespace quitanza::report {

using namespace platform;

namespace {

void* Erase(Component& component) { return static_cast<void*>(&component); }
const void* Erase(const Component& component) { return static_cast<const void*>(&component); }

// Property, class and enumeration names are ASCII identifiers.
void AppendIdentifier(std::string& out, QStringView name)
{
  for (QChar c : name)
    out.push_back(static_cast<char>(c.unicode()));
}

// ' Name="' of an attribute; `prefix` is the path of the sub-object.
void AppendName(std::string& out, const std::string& prefix, QStringView name)
{
  out.push_back(' ');
  out += prefix;
  AppendIdentifier(out, name);
  out += "=\"";
}

bool SameName(QByteArrayView bytes, QByteArrayView name) { return bytes.compare(name, Qt::CaseInsensitive) == 0; }

qint64 ParseOrdinal(const PropInfo& property, QStringView text)
{
  if (property.Kind != PropKind::Enum && property.Kind != PropKind::Boolean)
    return StrToInt(text);
  bool isNumber = false;
  const qint64 ordinal = text.toLongLong(&isNumber);
  if (isNumber)
    return ordinal;
  for (std::size_t i = 0; i < property.EnumNames.size(); ++i) {
    if (property.EnumNames[i].compare(text, Qt::CaseInsensitive) == 0)
      return static_cast<qint64>(i);
  }
  return -1;
}

// Calls apply(name, value) for each attribute of an attribute string, up to
// the first that is not of the form name="value".
template <class Apply> void ParseAttributes(QByteArrayView text, Apply apply)
{
  qsizetype at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == ' ')
      ++at;
    const qsizetype equals = text.indexOf('=', at);
    if (equals < 0)
      return;
    qsizetype nameEnd = equals;
    while (nameEnd > at && text[nameEnd - 1] == ' ')
      --nameEnd;
    if (nameEnd == at)
      return;
    const qsizetype open = text.indexOf('"', equals + 1);
    if (open < 0)
      return;
    qsizetype close = text.indexOf('"', open + 1);
    if (close < 0)
      close = text.size();
    apply(text.sliced(at, nameEnd - at), text.sliced(open + 1, close - open - 1));
    at = close + 1;
  }
}

}  // namespace

XMLSerializer::XMLSerializer(quitanza::report::Report* report) : m_report(report), m_decimalSeparator(quitanza::report::DecimalSeparator()) {}

void XMLSerializer::AddError(const QString& message)
{
  m_errors.Add(message);
  if (m_report)
    m_report->Errors.Add(message);
}

// ---------------------------------------------------------------- writing

void XMLSerializer::AppendValue(std::string& out, const void* object, const PropInfo& property,
                                const std::string& prefix, bool includeDefaults) const
{
  auto appendText = [&](QStringView name, QStringView value) {
    AppendName(out, prefix, name);
    AppendXMLUtf8(out, value);
    out.push_back('"');
  };
  switch (property.Kind) {
  case PropKind::Integer:
  case PropKind::Set:
  case PropKind::Enum:
  case PropKind::Boolean: {
    const qint64 value = property.GetOrd(object);
    AppendName(out, prefix, property.Name);
    if (value >= 0 && value < static_cast<qint64>(property.EnumNames.size()))
      AppendIdentifier(out, property.EnumNames[static_cast<std::size_t>(value)]);
    else
      out += std::to_string(value);
    out.push_back('"');
    return;
  }
  case PropKind::Float:
    AppendName(out, prefix, property.Name);
    AppendFloat(out, property.GetFloat(object), m_decimalSeparator);
    out.push_back('"');
    return;
  case PropKind::String:
  case PropKind::MemoText:
    appendText(property.Name, property.GetStr(object));
    return;
  case PropKind::StringList:
    appendText(property.Name + QStringLiteral(".Text"), property.GetStr(object));
    return;
  case PropKind::Variant:
    appendText(property.Name, property.GetVariant(object).toString());
    return;
  case PropKind::Component:
    if (const quitanza::report::Component* target = property.GetRef(object))
      appendText(property.Name, target->Name());
    return;
  case PropKind::Object: {
    // Writing never changes the object; the accessor is shared with reading.
    const void* sub = property.Sub(const_cast<void*>(object));
    std::string path = prefix;
    AppendIdentifier(path, property.Name);
    path.push_back('.');
    AppendAttributes(out, sub, *property.SubTable, path, includeDefaults);
    return;
  }
  }
}

void XMLSerializer::AppendAttributes(std::string& out, const void* object, const PropTable& table,
                                     const std::string& prefix, bool includeDefaults) const
{
  for (const PropInfo& property : table.Props()) {
    if (!property.IsStored(object))
      continue;
    if (!includeDefaults && property.AtDefault(object))
      continue;
    AppendValue(out, object, property, prefix, includeDefaults);
  }
  if (!table.Defined)
    return;
  BinaryWriter writer;
  table.Defined.Write(object, writer, *this);
  if (writer.Data().isEmpty())
    return;
  AppendName(out, prefix, u"PropData");
  out += writer.Data().toHex().toUpper().toStdString();
  out.push_back('"');
}

QString XMLSerializer::ObjToXML(const void* object, const PropTable& table, bool includeDefaults) const
{
  std::string out;
  AppendAttributes(out, object, table, {}, includeDefaults);
  return QString::fromStdString(out);
}

std::string XMLSerializer::ComponentText(const quitanza::report::Component& component, bool isRoot, bool includeDefaults) const
{
  std::string out;
  if (!isRoot) {
    out += " Name=\"";
    AppendXMLUtf8(out, component.Name());
    out.push_back('"');
  }
  AppendAttributes(out, Erase(component), component.Props(), {}, includeDefaults);
  // The text starts with a space only between attributes.
  if (!out.empty())
    out.erase(0, 1);
  return out;
}

QString XMLSerializer::ComponentAttributes(const quitanza::report::Component& component, bool isRoot,
                                           bool includeDefaults) const
{
  return QString::fromStdString(ComponentText(component, isRoot, includeDefaults));
}

void XMLSerializer::WriteComponent(const quitanza::report::Component& component, quitanza::report::XMLItem& item, bool saveChildren,
                                   bool includeDefaults, bool isRoot) const
{
  item.Name = component.ClassName();
  item.Text = QByteArray::fromStdString(ComponentText(component, isRoot, includeDefaults));
  if (!saveChildren)
    return;
  for (const quitanza::report::Component* child : component.Objects())
    WriteComponent(*child, item.Add(), true, includeDefaults, false);
}

void XMLSerializer::WriteRootComponent(const quitanza::report::Component& component, quitanza::report::XMLItem& item, bool saveChildren,
                                       bool includeDefaults) const
{
  WriteComponent(component, item, saveChildren, includeDefaults, true);
}

QString XMLSerializer::WriteComponentStr(const quitanza::report::Component& component) const
{
  return component.ClassName() + QLatin1Char(' ') + ComponentAttributes(component, true, false);
}

// ---------------------------------------------------------------- reading

QString XMLSerializer::DecodeMemoText(QByteArrayView value) const
{
  const QString text = XMLToStr(value);
  return m_oldFormat ? QString::fromUtf8(EncodeCp1252(text)) : text;
}

void XMLSerializer::SetValue(void* object, const PropInfo& property, QByteArrayView value)
{
  switch (property.Kind) {
  case PropKind::Integer:
  case PropKind::Set:
  case PropKind::Enum:
  case PropKind::Boolean:
    property.SetOrd(object, ParseOrdinal(property, XMLToStr(value)));
    return;
  case PropKind::Float:
    property.SetFloat(object, StrToFloat(value));
    return;
  case PropKind::String:
    property.SetStr(object, XMLToStr(value));
    return;
  case PropKind::MemoText:
    property.SetStr(object, DecodeMemoText(value));
    return;
  case PropKind::Variant:
    property.SetVariant(object, QVariant(XMLToStr(value)));
    return;
  case PropKind::Component:
    m_references.push_back({object, &property, XMLToStr(value)});
    return;
  case PropKind::StringList:  // only through Name.Text
  case PropKind::Object:      // only through its own properties
    return;
  }
}

void XMLSerializer::ReadPropData(void* object, const PropTable& table, QByteArrayView value)
{
  if (!table.Defined)
    return;
  try {
    const QByteArray block = quitanza::report::HexToBin(value);
    // Check the whole block first so that a damaged one changes nothing.
    BinaryReader check(block);
    while (!check.AtEnd()) {
      check.ReadPropName();
      check.SkipValue();
    }
    BinaryReader reader(block);
    while (!reader.AtEnd()) {
      const QByteArrayView name = reader.ReadPropName();
      if (!table.Defined.Read(object, name, reader, *this))
        reader.SkipValue();
    }
  } catch (const ReportError&) {
    // A broken block is ignored by design: the data it carried keeps its
    // defaults and the rest of the object loads.
  }
}

void XMLSerializer::ApplyProperty(void* object, const PropTable& table, QByteArrayView name,
                                  QByteArrayView value)
{
  const qsizetype dot = name.indexOf('.');
  const QByteArrayView head = dot < 0 ? name : name.first(dot);
  if (SameName(head, "PropData")) {
    ReadPropData(object, table, value);
    return;
  }
  const PropInfo* property = table.Find(head);
  if (!property)
    return;
  if (dot < 0) {
    SetValue(object, *property, value);
    return;
  }
  const QByteArrayView rest = name.sliced(dot + 1);
  if (property->Kind == PropKind::Object) {
    ApplyProperty(property->Sub(object), *property->SubTable, rest, value);
    if (property->SubChanged)
      property->SubChanged(object);
  } else if (property->Kind == PropKind::StringList && SameName(rest, "Text")) {
    property->SetStr(object, XMLToStr(value));
  }
}

void XMLSerializer::ApplyComponentAttribute(quitanza::report::Component& component, QByteArrayView name, QByteArrayView value)
{
  // Compact forms of prepared pages: the bounds, and a memo's text as
  // written (x) or in the file's encoding (u).
  if (name.size() == 1) {
    switch (name[0] | 0x20) {
    case 'l': component.SetLeft(StrToFloat(value)); return;
    case 't': component.SetTop(StrToFloat(value)); return;
    case 'w': component.SetWidth(StrToFloat(value)); return;
    case 'h': component.SetHeight(StrToFloat(value)); return;
    case 'x':
    case 'u':
      if (auto* memo = dynamic_cast<CustomMemoView*>(&component))
        memo->SetText((name[0] | 0x20) == 'x' ? XMLToStr(value) : DecodeMemoText(value));
      return;
    default:
      break;
    }
  }
  if (SameName(name, "Name")) {
    if (!component.AsReport())
      component.SetName(XMLToStr(value));
    return;
  }
  ApplyProperty(Erase(component), component.Props(), name, value);
}

void XMLSerializer::ReadObjectAttributes(void* object, const PropTable& table, QStringView text)
{
  ParseAttributes(QByteArrayView(text.toUtf8()), [&](QByteArrayView name, QByteArrayView value) {
    try {
      ApplyProperty(object, table, name, value);
    } catch (const ReportError& error) {
      AddError(error.Message());
    }
  });
}

void XMLSerializer::ReadAttributeText(quitanza::report::Component& component, QByteArrayView text)
{
  ParseAttributes(text, [&](QByteArrayView name, QByteArrayView value) {
    try {
      ApplyComponentAttribute(component, name, value);
    } catch (const ReportError& error) {
      AddError(error.Message());
    }
  });
}

void XMLSerializer::ReadAttributes(quitanza::report::Component& component, QStringView text)
{
  ReadAttributes(component, QByteArrayView(text.toUtf8()));
}

void XMLSerializer::ReadAttributes(quitanza::report::Component& component, QByteArrayView utf8)
{
  ReadAttributeText(component, utf8);
  ResolveReferences(component);
}

Component* XMLSerializer::ComponentFor(quitanza::report::Component& parent, const quitanza::report::XMLItem& element)
{
  const bool inherited = element.Name.compare(u"inherited", Qt::CaseInsensitive) == 0;
  ComponentFactory factory = inherited ? nullptr : FindClass(element.Name);
  if (!inherited && !factory) {
    AddError(QStringLiteral("Cannot find class ") + element.Name);
    return nullptr;
  }
  QString name;
  ParseAttributes(element.Text, [&name](QByteArrayView attribute, QByteArrayView value) {
    if (name.isNull() && SameName(attribute, "Name"))
      name = XMLToStr(value);
  });
  quitanza::report::Component* component = name.isEmpty() ? nullptr : m_named.value(name.toCaseFolded());
  if (!component && !inherited)
    component = factory(&parent);
  return component;
}

void XMLSerializer::ReadElement(quitanza::report::Component& component, const quitanza::report::XMLItem& item)
{
  component.SetLoading(true);
  m_loaded.push_back(&component);
  ReadAttributeText(component, item.Text);
  // A name read again reads into the object that has it already.
  const QString key = component.Name().toCaseFolded();
  if (!key.isEmpty() && !m_named.contains(key))
    m_named.insert(key, &component);
  for (int i = 0; i < item.Count(); ++i) {
    const quitanza::report::XMLItem& child = item.Items(i);
    if (quitanza::report::Component* childComponent = ComponentFor(component, child))
      ReadElement(*childComponent, child);
  }
}

void XMLSerializer::ResolveReferences(const quitanza::report::Component& scope)
{
  quitanza::report::Component::ResolveReferences(m_references, m_report ? static_cast<const quitanza::report::Component&>(*m_report) : scope, scope);
  m_references.clear();
}

void XMLSerializer::FinishLoading()
{
  for (quitanza::report::Component* component : m_loaded)
    component->SetLoading(false);
  for (quitanza::report::Component* component : m_loaded) {
    if (!component->AsReport())
      component->Loaded();
  }
  m_loaded.clear();
  m_named.clear();
}

void XMLSerializer::ReadRootComponent(quitanza::report::Component& root, const quitanza::report::XMLItem& item)
{
  root.Clear();
  try {
    ReadElement(root, item);
  } catch (...) {
    FinishLoading();
    throw;
  }
  ResolveReferences(root);
  FinishLoading();
}

std::unique_ptr<Component> XMLSerializer::ReadComponentStr(const QString& text)
{
  const qsizetype space = text.indexOf(QLatin1Char(' '));
  const QString className = space < 0 ? text : text.first(space);
  ComponentFactory factory = FindClass(className);
  if (!factory)
    throw ReportError(QStringLiteral("Cannot find class ") + className);
  std::unique_ptr<quitanza::report::Component> component(factory(nullptr));
  if (space >= 0)
    ReadAttributes(*component, QStringView(text).sliced(space + 1));
  return component;
}

}  // namespace quitanza::report
