#include "report/model/frxXMLSerializer.h"

#include "report/format/frxBinaryProps.h"
#include "report/format/frxCodePage.h"
#include "report/format/frxErrors.h"
#include "report/format/frxFloat.h"
#include "report/format/frxXML.h"
#include "report/format/frxXMLEscape.h"
#include "report/model/frxClassRegistry.h"
#include "report/model/frxComponent.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxReport.h"

#include <utility>

using namespace quitanza::platform;

namespace {

void* Erase(TfrxComponent& component) { return static_cast<void*>(&component); }
const void* Erase(const TfrxComponent& component) { return static_cast<const void*>(&component); }

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

qint64 ParseOrdinal(const TfrxPropInfo& property, QStringView text)
{
  if (property.Kind != TfrxPropKind::Enum && property.Kind != TfrxPropKind::Boolean)
    return frxStrToInt(text);
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

TfrxXMLSerializer::TfrxXMLSerializer(TfrxReport* report) : FReport(report), FDecimalSeparator(frxDecimalSeparator()) {}

void TfrxXMLSerializer::AddError(const QString& message)
{
  FErrors.Add(message);
  if (FReport)
    FReport->Errors.Add(message);
}

// ---------------------------------------------------------------- writing

void TfrxXMLSerializer::AppendValue(std::string& out, const void* object, const TfrxPropInfo& property,
                                    const std::string& prefix, bool includeDefaults) const
{
  auto appendText = [&](QStringView name, QStringView value) {
    AppendName(out, prefix, name);
    frxAppendXMLUtf8(out, value);
    out.push_back('"');
  };
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean: {
    const qint64 value = property.GetOrd(object);
    AppendName(out, prefix, property.Name);
    if (value >= 0 && value < static_cast<qint64>(property.EnumNames.size()))
      AppendIdentifier(out, property.EnumNames[static_cast<std::size_t>(value)]);
    else
      out += std::to_string(value);
    out.push_back('"');
    return;
  }
  case TfrxPropKind::Float:
    AppendName(out, prefix, property.Name);
    frxAppendFloat(out, property.GetFloat(object), FDecimalSeparator);
    out.push_back('"');
    return;
  case TfrxPropKind::String:
  case TfrxPropKind::MemoText:
    appendText(property.Name, property.GetStr(object));
    return;
  case TfrxPropKind::StringList:
    appendText(property.Name + QStringLiteral(".Text"), property.GetStr(object));
    return;
  case TfrxPropKind::Variant:
    appendText(property.Name, property.GetVariant(object).toString());
    return;
  case TfrxPropKind::Component:
    if (const TfrxComponent* target = property.GetRef(object))
      appendText(property.Name, target->Name());
    return;
  case TfrxPropKind::Object: {
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

void TfrxXMLSerializer::AppendAttributes(std::string& out, const void* object, const TfrxPropTable& table,
                                         const std::string& prefix, bool includeDefaults) const
{
  for (const TfrxPropInfo& property : table.Props()) {
    if (!property.IsStored(object))
      continue;
    if (!includeDefaults && property.AtDefault(object))
      continue;
    AppendValue(out, object, property, prefix, includeDefaults);
  }
  if (!table.Defined)
    return;
  TfrxBinaryWriter writer;
  table.Defined.Write(object, writer, *this);
  if (writer.Data().isEmpty())
    return;
  AppendName(out, prefix, u"PropData");
  out += writer.Data().toHex().toUpper().toStdString();
  out.push_back('"');
}

QString TfrxXMLSerializer::ObjToXML(const void* object, const TfrxPropTable& table, bool includeDefaults) const
{
  std::string out;
  AppendAttributes(out, object, table, {}, includeDefaults);
  return QString::fromStdString(out);
}

std::string TfrxXMLSerializer::ComponentText(const TfrxComponent& component, bool isRoot, bool includeDefaults) const
{
  std::string out;
  if (!isRoot) {
    out += " Name=\"";
    frxAppendXMLUtf8(out, component.Name());
    out.push_back('"');
  }
  AppendAttributes(out, Erase(component), component.Props(), {}, includeDefaults);
  // The text starts with a space only between attributes.
  if (!out.empty())
    out.erase(0, 1);
  return out;
}

QString TfrxXMLSerializer::ComponentAttributes(const TfrxComponent& component, bool isRoot,
                                               bool includeDefaults) const
{
  return QString::fromStdString(ComponentText(component, isRoot, includeDefaults));
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                                       bool includeDefaults, bool isRoot) const
{
  item.Name = component.ClassName();
  item.Text = QByteArray::fromStdString(ComponentText(component, isRoot, includeDefaults));
  if (!saveChildren)
    return;
  for (const TfrxComponent* child : component.Objects())
    WriteComponent(*child, item.Add(), true, includeDefaults, false);
}

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                                           bool includeDefaults) const
{
  WriteComponent(component, item, saveChildren, includeDefaults, true);
}

QString TfrxXMLSerializer::WriteComponentStr(const TfrxComponent& component) const
{
  return component.ClassName() + QLatin1Char(' ') + ComponentAttributes(component, true, false);
}

// ---------------------------------------------------------------- reading

QString TfrxXMLSerializer::DecodeMemoText(QByteArrayView value) const
{
  const QString text = frxXMLToStr(value);
  return FOldFormat ? QString::fromUtf8(frxEncodeCp1252(text)) : text;
}

void TfrxXMLSerializer::SetValue(void* object, const TfrxPropInfo& property, QByteArrayView value)
{
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean:
    property.SetOrd(object, ParseOrdinal(property, frxXMLToStr(value)));
    return;
  case TfrxPropKind::Float:
    property.SetFloat(object, frxStrToFloat(value));
    return;
  case TfrxPropKind::String:
    property.SetStr(object, frxXMLToStr(value));
    return;
  case TfrxPropKind::MemoText:
    property.SetStr(object, DecodeMemoText(value));
    return;
  case TfrxPropKind::Variant:
    property.SetVariant(object, QVariant(frxXMLToStr(value)));
    return;
  case TfrxPropKind::Component:
    FReferences.push_back({object, &property, frxXMLToStr(value)});
    return;
  case TfrxPropKind::StringList:  // only through Name.Text
  case TfrxPropKind::Object:      // only through its own properties
    return;
  }
}

void TfrxXMLSerializer::ReadPropData(void* object, const TfrxPropTable& table, QByteArrayView value)
{
  if (!table.Defined)
    return;
  try {
    const QByteArray block = frxHexToBin(value);
    // Check the whole block first so that a damaged one changes nothing.
    TfrxBinaryReader check(block);
    while (!check.AtEnd()) {
      check.ReadPropName();
      check.SkipValue();
    }
    TfrxBinaryReader reader(block);
    while (!reader.AtEnd()) {
      const QByteArrayView name = reader.ReadPropName();
      if (!table.Defined.Read(object, name, reader, *this))
        reader.SkipValue();
    }
  } catch (const EfrxError&) {
    // A broken block is ignored by design: the data it carried keeps its
    // defaults and the rest of the object loads.
  }
}

void TfrxXMLSerializer::ApplyProperty(void* object, const TfrxPropTable& table, QByteArrayView name,
                                      QByteArrayView value)
{
  const qsizetype dot = name.indexOf('.');
  const QByteArrayView head = dot < 0 ? name : name.first(dot);
  if (SameName(head, "PropData")) {
    ReadPropData(object, table, value);
    return;
  }
  const TfrxPropInfo* property = table.Find(head);
  if (!property)
    return;
  if (dot < 0) {
    SetValue(object, *property, value);
    return;
  }
  const QByteArrayView rest = name.sliced(dot + 1);
  if (property->Kind == TfrxPropKind::Object) {
    ApplyProperty(property->Sub(object), *property->SubTable, rest, value);
    if (property->SubChanged)
      property->SubChanged(object);
  } else if (property->Kind == TfrxPropKind::StringList && SameName(rest, "Text")) {
    property->SetStr(object, frxXMLToStr(value));
  }
}

void TfrxXMLSerializer::ApplyComponentAttribute(TfrxComponent& component, QByteArrayView name, QByteArrayView value)
{
  // Compact forms of prepared pages: the bounds, and a memo's text as
  // written (x) or in the file's encoding (u).
  if (name.size() == 1) {
    switch (name[0] | 0x20) {
    case 'l': component.SetLeft(frxStrToFloat(value)); return;
    case 't': component.SetTop(frxStrToFloat(value)); return;
    case 'w': component.SetWidth(frxStrToFloat(value)); return;
    case 'h': component.SetHeight(frxStrToFloat(value)); return;
    case 'x':
    case 'u':
      if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&component))
        memo->SetText((name[0] | 0x20) == 'x' ? frxXMLToStr(value) : DecodeMemoText(value));
      return;
    default:
      break;
    }
  }
  if (SameName(name, "Name")) {
    if (!component.AsReport())
      component.SetName(frxXMLToStr(value));
    return;
  }
  ApplyProperty(Erase(component), component.Props(), name, value);
}

void TfrxXMLSerializer::ReadObjectAttributes(void* object, const TfrxPropTable& table, QStringView text)
{
  ParseAttributes(QByteArrayView(text.toUtf8()), [&](QByteArrayView name, QByteArrayView value) {
    try {
      ApplyProperty(object, table, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
}

void TfrxXMLSerializer::ReadAttributeText(TfrxComponent& component, QByteArrayView text)
{
  ParseAttributes(text, [&](QByteArrayView name, QByteArrayView value) {
    try {
      ApplyComponentAttribute(component, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
}

void TfrxXMLSerializer::ReadAttributes(TfrxComponent& component, QStringView text)
{
  ReadAttributes(component, QByteArrayView(text.toUtf8()));
}

void TfrxXMLSerializer::ReadAttributes(TfrxComponent& component, QByteArrayView utf8)
{
  ReadAttributeText(component, utf8);
  ResolveReferences(component);
}

TfrxComponent* TfrxXMLSerializer::ComponentFor(TfrxComponent& parent, const TfrxXMLItem& element)
{
  const bool inherited = element.Name.compare(u"inherited", Qt::CaseInsensitive) == 0;
  TfrxComponentFactory factory = inherited ? nullptr : frxFindClass(element.Name);
  if (!inherited && !factory) {
    AddError(QStringLiteral("Cannot find class ") + element.Name);
    return nullptr;
  }
  QString name;
  ParseAttributes(element.Text, [&name](QByteArrayView attribute, QByteArrayView value) {
    if (name.isNull() && SameName(attribute, "Name"))
      name = frxXMLToStr(value);
  });
  TfrxComponent* component = name.isEmpty() ? nullptr : FNamed.value(name.toCaseFolded());
  if (!component && !inherited)
    component = factory(&parent);
  return component;
}

void TfrxXMLSerializer::ReadElement(TfrxComponent& component, const TfrxXMLItem& item)
{
  component.SetLoading(true);
  FLoaded.push_back(&component);
  ReadAttributeText(component, item.Text);
  // A name read again reads into the object that has it already.
  const QString key = component.Name().toCaseFolded();
  if (!key.isEmpty() && !FNamed.contains(key))
    FNamed.insert(key, &component);
  for (int i = 0; i < item.Count(); ++i) {
    const TfrxXMLItem& child = item.Items(i);
    if (TfrxComponent* childComponent = ComponentFor(component, child))
      ReadElement(*childComponent, child);
  }
}

void TfrxXMLSerializer::ResolveReferences(const TfrxComponent& scope)
{
  TfrxComponent::ResolveReferences(FReferences, FReport ? static_cast<const TfrxComponent&>(*FReport) : scope, scope);
  FReferences.clear();
}

void TfrxXMLSerializer::FinishLoading()
{
  for (TfrxComponent* component : FLoaded)
    component->SetLoading(false);
  for (TfrxComponent* component : FLoaded) {
    if (!component->AsReport())
      component->Loaded();
  }
  FLoaded.clear();
  FNamed.clear();
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& root, const TfrxXMLItem& item)
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

std::unique_ptr<TfrxComponent> TfrxXMLSerializer::ReadComponentStr(const QString& text)
{
  const qsizetype space = text.indexOf(QLatin1Char(' '));
  const QString className = space < 0 ? text : text.first(space);
  TfrxComponentFactory factory = frxFindClass(className);
  if (!factory)
    throw EfrxError(QStringLiteral("Cannot find class ") + className);
  std::unique_ptr<TfrxComponent> component(factory(nullptr));
  if (space >= 0)
    ReadAttributes(*component, QStringView(text).sliced(space + 1));
  return component;
}
