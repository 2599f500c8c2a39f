#include "report/model/frxXMLSerializer.h"

#include "report/model/frxBinaryProps.h"
#include "report/model/frxClassRegistry.h"
#include "report/model/frxCodePage.h"
#include "report/model/frxComponent.h"
#include "report/model/frxErrors.h"
#include "report/model/frxFloat.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxReport.h"
#include "report/model/frxStringScan.h"
#include "report/model/frxXML.h"
#include "report/model/frxXMLWriter.h"
#include "report/model/frxXMLEscape.h"

#include <charconv>

namespace {

void* Erase(TfrxComponent& component) { return static_cast<void*>(&component); }
const void* Erase(const TfrxComponent& component) { return static_cast<const void*>(&component); }

void AppendName(std::string& out, const std::string& prefix, const QByteArray& name)
{
  out.push_back(' ');
  out.append(prefix);
  out.append(name.constData(), static_cast<std::size_t>(name.size()));
  out.append("=\"");
}

qint64 ParseOrdinal(const TfrxPropInfo& property, QStringView text)
{
  if (property.Kind != TfrxPropKind::Enum && property.Kind != TfrxPropKind::Boolean)
    return frxStrToInt(text);
  if (!text.isEmpty() && (text[0].isDigit() || text[0] == QLatin1Char('-'))) {
    bool isNumber = false;
    const qint64 ordinal = text.toLongLong(&isNumber);
    if (isNumber)
      return ordinal;
  }
  for (std::size_t i = 0; i < property.EnumNames.size(); ++i) {
    if (property.EnumNames[i] == text)
      return static_cast<qint64>(i);
  }
  for (std::size_t i = 0; i < property.EnumNames.size(); ++i) {
    if (property.EnumNames[i].compare(text, Qt::CaseInsensitive) == 0)
      return static_cast<qint64>(i);
  }
  return -1;
}

// Object names compare ignoring case; most are ASCII, lowered cheaply.
QString NameKey(const QString& name)
{
  for (QChar c : name) {
    if (c.unicode() > 127)
      return name.toLower();
  }
  QString key = name;
  for (QChar& c : key) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
      c = QChar(c.unicode() | 0x20);
  }
  return key;
}

void AppendInteger(std::string& out, qint64 value)
{
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
}

// The Name attribute of an element; the writer always puts it first.
QString ElementName(const TfrxXMLItem& item)
{
  static const QString kName = QStringLiteral("Name=\"");
  if (item.Text.startsWith(kName)) {
    const qsizetype end = item.Text.indexOf(QLatin1Char('"'), kName.size());
    if (end > 0)
      return frxXMLToStr(QStringView(item.Text).sliced(kName.size(), end - kName.size()));
  }
  return item.Prop(u"Name");
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
                                    std::string& prefix, bool includeDefaults) const
{
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean: {
    const qint64 value = property.GetOrd(object);
    if (!includeDefaults && property.Default && value == *property.Default)
      return;
    AppendName(out, prefix, property.Utf8Name);
    const bool named = property.Kind == TfrxPropKind::Enum || property.Kind == TfrxPropKind::Boolean;
    if (named && value >= 0 && value < static_cast<qint64>(property.EnumNames.size()))
      frxAppendXMLUtf8(out, property.EnumNames[static_cast<std::size_t>(value)]);
    else
      AppendInteger(out, value);
    break;
  }
  case TfrxPropKind::Float: {
    AppendName(out, prefix, property.Utf8Name);
    char text[kFloatTextSize];
    out.append(text, static_cast<std::size_t>(frxFormatFloat(text, property.GetFloat(object), FDecimalSeparator.toLatin1())));
    break;
  }
  case TfrxPropKind::String: {
    const QString value = property.GetStr(object);
    if (value.isEmpty() && !includeDefaults)
      return;
    AppendName(out, prefix, property.Utf8Name);
    frxAppendXMLUtf8(out, value);
    break;
  }
  case TfrxPropKind::MemoText:
    AppendName(out, prefix, property.Utf8Name);
    frxAppendXMLUtf8(out, property.GetStr(object));
    break;
  case TfrxPropKind::Variant:
    AppendName(out, prefix, property.Utf8Name);
    frxAppendXMLUtf8(out, property.GetVariant(object).toString());
    break;
  case TfrxPropKind::StringList:
    AppendName(out, prefix, property.Utf8Name + ".Text");
    frxAppendXMLUtf8(out, property.GetStr(object));
    break;
  case TfrxPropKind::Component: {
    const TfrxComponent* target = property.GetRef(object);
    if (!target)
      return;
    AppendName(out, prefix, property.Utf8Name);
    frxAppendXMLUtf8(out, target->Name());
    break;
  }
  case TfrxPropKind::Object: {
    // Writing never changes the object; the accessor is shared with reading.
    const void* sub = property.Sub(const_cast<void*>(object));
    const std::size_t prefixSize = prefix.size();
    prefix.append(property.Utf8Name.constData(), static_cast<std::size_t>(property.Utf8Name.size()));
    prefix.push_back('.');
    AppendAttributes(out, sub, *property.SubTable, prefix, includeDefaults);
    prefix.resize(prefixSize);
    return;
  }
  }
  out.push_back('"');
}

void TfrxXMLSerializer::AppendAttributes(std::string& out, const void* object, const TfrxPropTable& table,
                                         std::string& prefix, bool includeDefaults) const
{
  for (const TfrxPropInfo& property : table.Props()) {
    if (property.IsStored(object))
      AppendValue(out, object, property, prefix, includeDefaults);
  }
  if (!table.Defined)
    return;
  TfrxBinaryWriter writer;
  table.Defined.Write(object, writer, *this);
  if (writer.Data().isEmpty())
    return;
  AppendName(out, prefix, QByteArrayLiteral("PropData"));
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char byte : writer.Data()) {
    out.push_back(kHex[(static_cast<unsigned char>(byte) >> 4) & 15]);
    out.push_back(kHex[static_cast<unsigned char>(byte) & 15]);
  }
  out.push_back('"');
}

QString TfrxXMLSerializer::ObjToXML(const void* object, const TfrxPropTable& table, bool includeDefaults) const
{
  std::string out;
  std::string prefix;
  AppendAttributes(out, object, table, prefix, includeDefaults);
  return QString::fromStdString(out);
}

void TfrxXMLSerializer::AppendComponentAttributes(std::string& out, const TfrxComponent& component, bool isRoot,
                                                  bool includeDefaults) const
{
  const std::size_t start = out.size();
  if (!isRoot) {
    out.append("Name=\"");
    frxAppendXMLUtf8(out, component.Name());
    out.push_back('"');
  }
  std::string prefix;
  AppendAttributes(out, Erase(component), component.Props(), prefix, includeDefaults);
  if (isRoot && out.size() > start && out[start] == ' ')
    out.erase(start, 1);
}

QString TfrxXMLSerializer::ComponentAttributes(const TfrxComponent& component, bool isRoot,
                                               bool includeDefaults) const
{
  std::string out;
  AppendComponentAttributes(out, component, isRoot, includeDefaults);
  return QString::fromStdString(out);
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                                       bool includeDefaults, bool isRoot) const
{
  item.Name = component.ClassName();
  item.Text = ComponentAttributes(component, isRoot, includeDefaults);
  if (!saveChildren)
    return;
  for (const TfrxComponent* child : component.Objects())
    WriteComponent(*child, item.Add(), true, includeDefaults, false);
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& component, TfrxXMLWriter& writer, int level,
                                       bool saveChildren, bool includeDefaults, bool isRoot) const
{
  const std::string name = component.ClassName().toStdString();
  const bool hasChildren = saveChildren && !component.Objects().empty();
  FAttributes.clear();
  AppendComponentAttributes(FAttributes, component, isRoot, includeDefaults);
  writer.OpenElement(level, name, FAttributes, hasChildren);
  if (!hasChildren)
    return;
  for (const TfrxComponent* child : component.Objects())
    WriteComponent(*child, writer, level + 1, true, includeDefaults, false);
  writer.CloseElement(level, name);
}

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                                           bool includeDefaults) const
{
  WriteComponent(component, item, saveChildren, includeDefaults, true);
}

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& component, TfrxXMLWriter& writer,
                                           bool saveChildren, bool includeDefaults) const
{
  WriteComponent(component, writer, 0, saveChildren, includeDefaults, true);
}

QString TfrxXMLSerializer::WriteComponentStr(const TfrxComponent& component) const
{
  return component.ClassName() + QLatin1Char(' ') + ComponentAttributes(component, true, false);
}

// ---------------------------------------------------------------- reading

template <class Apply> void TfrxXMLSerializer::ParseAttributes(QStringView text, Apply apply)
{
  const qsizetype length = text.size();
  qsizetype i = 0;
  while (i < length) {
    while (i < length && text[i] == QLatin1Char(' '))
      ++i;
    const qsizetype equals = frxIndexOf(text, u'=', i);
    if (equals < 0)
      return;
    qsizetype nameEnd = equals;
    while (nameEnd > i && text[nameEnd - 1] == QLatin1Char(' '))
      --nameEnd;
    if (nameEnd == i)
      return;
    const qsizetype open = frxIndexOf(text, u'"', equals + 1);
    if (open < 0)
      return;
    qsizetype close = frxIndexOf(text, u'"', open + 1);
    if (close < 0)
      close = length;
    apply(text.sliced(i, nameEnd - i), text.sliced(open + 1, close - open - 1));
    i = close + 1;
  }
}

QString TfrxXMLSerializer::DecodeMemoText(QStringView value) const
{
  const QString text = frxXMLToStr(value);
  return FOldFormat ? QString::fromUtf8(frxEncodeCp1252(text)) : text;
}

void TfrxXMLSerializer::SetValue(void* object, const TfrxPropInfo& property, QStringView value)
{
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean:
    if (frxIndexOf(value, u'&') >= 0)
      property.SetOrd(object, ParseOrdinal(property, frxXMLToStr(value)));
    else
      property.SetOrd(object, ParseOrdinal(property, value));
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
    FFixups.push_back({object, &property, frxXMLToStr(value)});
    return;
  case TfrxPropKind::StringList:  // only through Name.Text
  case TfrxPropKind::Object:      // only through its own properties
    return;
  }
}

void TfrxXMLSerializer::ReadPropData(void* object, const TfrxPropTable& table, QStringView value)
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
      const QString name = reader.ReadPropName();
      if (!table.Defined.Read(object, name, reader, *this))
        reader.SkipValue();
    }
  } catch (const EfrxError&) {
    // A broken block is ignored by design: the data it carried keeps its
    // defaults and the rest of the object loads.
  }
}

void TfrxXMLSerializer::ApplyProperty(void* object, const TfrxPropTable& table, QStringView name, QStringView value)
{
  const qsizetype dot = frxIndexOf(name, u'.');
  const QStringView head = dot < 0 ? name : name.first(dot);
  if (frxSameAscii(head, u"PropData")) {
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
  const QStringView rest = name.sliced(dot + 1);
  if (property->Kind == TfrxPropKind::Object) {
    ApplyProperty(property->Sub(object), *property->SubTable, rest, value);
    if (property->SubChanged)
      property->SubChanged(object);
  } else if (property->Kind == TfrxPropKind::StringList && frxSameAscii(rest, u"Text")) {
    property->SetStr(object, frxXMLToStr(value));
  }
}

void TfrxXMLSerializer::ApplyComponentAttribute(TfrxComponent& component, QStringView name, QStringView value)
{
  if (name.size() == 1) {
    // Compact forms of prepared pages.
    switch (name[0].toLower().unicode()) {
    case u'l': component.SetLeft(frxStrToFloat(value)); return;
    case u't': component.SetTop(frxStrToFloat(value)); return;
    case u'w': component.SetWidth(frxStrToFloat(value)); return;
    case u'h': component.SetHeight(frxStrToFloat(value)); return;
    case u'x':
      if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&component))
        memo->SetText(frxXMLToStr(value));
      return;
    case u'u':
      if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&component))
        memo->SetText(DecodeMemoText(value));
      return;
    default:
      break;
    }
  }
  if (frxSameAscii(name, u"Name")) {
    if (!component.AsReport())
      component.SetName(frxXMLToStr(value));
    return;
  }
  ApplyProperty(Erase(component), component.Props(), name, value);
}

void TfrxXMLSerializer::ReadObjectAttributes(void* object, const TfrxPropTable& table, QStringView text)
{
  ParseAttributes(text, [&](QStringView name, QStringView value) {
    try {
      ApplyProperty(object, table, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
}

void TfrxXMLSerializer::ReadAttributes(TfrxComponent& component, QStringView text)
{
  ParseAttributes(text, [&](QStringView name, QStringView value) {
    try {
      ApplyComponentAttribute(component, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
  ResolveReferences(component);
}

void TfrxXMLSerializer::ReadElement(TfrxComponent& component, const TfrxXMLItem& item)
{
  component.SetLoading(true);
  FLoaded.push_back(&component);
  ParseAttributes(item.Text, [&](QStringView name, QStringView value) {
    try {
      ApplyComponentAttribute(component, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
  if (!component.Name().isEmpty())
    FNamed.insert(NameKey(component.Name()), &component);
  ReadChildren(item, component);
}

void TfrxXMLSerializer::ReadChildren(const TfrxXMLItem& item, TfrxComponent& parent)
{
  for (int i = 0; i < item.Count(); ++i) {
    const TfrxXMLItem& child = item.Items(i);
    const bool inherited = child.Name.compare(u"inherited", Qt::CaseInsensitive) == 0;
    TfrxComponentFactory factory = inherited ? nullptr : frxFindClass(child.Name);
    if (!inherited && !factory) {
      AddError(QStringLiteral("Cannot find class ") + child.Name);
      continue;
    }
    const QString name = ElementName(child);
    TfrxComponent* component = name.isEmpty() ? nullptr : FNamed.value(NameKey(name));
    if (!component && inherited)
      continue;
    if (!component)
      component = factory(&parent);
    ReadElement(*component, child);
  }
}

void TfrxXMLSerializer::ResolveReferences(const TfrxComponent& scope)
{
  const TfrxComponent& top = FReport ? static_cast<const TfrxComponent&>(*FReport) : scope;
  for (const Fixup& fixup : FFixups) {
    TfrxComponent* target = top.FindObject(fixup.name);
    if (!target && &top != &scope)
      target = scope.FindObject(fixup.name);
    fixup.property->SetRef(fixup.object, target);
  }
  FFixups.clear();
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
