#include "report/model/frxXMLSerializer.h"

#include "report/model/frxBinaryProps.h"
#include "report/model/frxClassRegistry.h"
#include "report/model/frxCodePage.h"
#include "report/model/frxComponent.h"
#include "report/model/frxErrors.h"
#include "report/model/frxFloat.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxReport.h"
#include "report/model/frxXML.h"
#include "report/model/frxXMLElementList.h"
#include "report/model/frxXMLEscape.h"
#include "report/model/frxXMLWriter.h"

#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cstring>
#include <utility>

using namespace quitanza::platform;

namespace {

// The quote that closes a value starting at `from`. Most values are a few
// bytes: their first sixteen bytes are searched a word at a time in place,
// which costs less than the call; longer values go to memchr.
const char* FindClosingQuote(const char* from, const char* end)
{
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    for (int round = 0; round < 2 && end - from >= 8; ++round, from += 8) {
      std::uint64_t word;
      std::memcpy(&word, from, sizeof word);
      // The lowest byte flagged is the first quote: a false flag can only
      // follow a true one.
      const std::uint64_t quotes = word ^ ('"' * kOnes);
      const std::uint64_t flagged = (quotes - kOnes) & ~quotes & (0x80 * kOnes);
      if (flagged)
        return from + std::countr_zero(flagged) / 8;
    }
  }
  const auto* quote = static_cast<const char*>(std::memchr(from, '"', static_cast<std::size_t>(end - from)));
  return quote ? quote : end;
}

// Attribute names and short values: a plain scan costs less than a call.
qsizetype IndexOf(QByteArrayView text, char c)
{
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == c)
      return i;
  }
  return -1;
}

// A name of known length against a literal of that length: compiled to a
// word comparison.
template <std::size_t N> bool Is(QByteArrayView name, const char (&literal)[N])
{
  return std::memcmp(name.data(), literal, N - 1) == 0;
}

// The coordinate an attribute names, in the spelling files use.
TfrxGeometry GeometryNamed(QByteArrayView name)
{
  switch (name.size()) {
  case 3: return Is(name, "Top") ? TfrxGeometry::Top : TfrxGeometry::None;
  case 4: return Is(name, "Left") ? TfrxGeometry::Left : TfrxGeometry::None;
  case 5: return Is(name, "Width") ? TfrxGeometry::Width : TfrxGeometry::None;
  case 6: return Is(name, "Height") ? TfrxGeometry::Height : TfrxGeometry::None;
  default: return TfrxGeometry::None;
  }
}

void SetGeometry(TfrxComponent& component, TfrxGeometry geometry, long double value)
{
  switch (geometry) {
  case TfrxGeometry::Left: component.SetLeft(value); return;
  case TfrxGeometry::Top: component.SetTop(value); return;
  case TfrxGeometry::Width: component.SetWidth(value); return;
  case TfrxGeometry::Height: component.SetHeight(value); return;
  case TfrxGeometry::None: return;
  }
}

// The coordinate a property stands for, read in place without its accessor.
const long double& Geometry(const void* object, TfrxGeometry geometry)
{
  const auto& component = *static_cast<const TfrxComponent*>(object);
  switch (geometry) {
  case TfrxGeometry::Left: return component.Left();
  case TfrxGeometry::Top: return component.Top();
  case TfrxGeometry::Width: return component.Width();
  case TfrxGeometry::Height:
  case TfrxGeometry::None:  // not asked: only the four coordinates are
    break;
  }
  return component.Height();
}

// Writing visits nearly every member of an object and its name, scattered
// over a kilobyte or more (a memo takes about 1.4 KB) that a large report no
// longer holds in the cache. While one object is written, the memory of the
// sibling two places ahead is asked for, and the name of the next one, whose
// own memory has arrived by then (the name's place is read from it).
void PrefetchObject(const TfrxComponent& component)
{
  constexpr std::size_t kLine = 64;
  constexpr std::size_t kBytes = 1536;
  const auto* at = reinterpret_cast<const char*>(&component);
  for (std::size_t offset = 0; offset < kBytes; offset += kLine)
    __builtin_prefetch(at + offset);
}

void PrefetchName(const TfrxComponent& component) { __builtin_prefetch(component.Name().constData()); }

void* Erase(TfrxComponent& component) { return static_cast<void*>(&component); }
const void* Erase(const TfrxComponent& component) { return static_cast<const void*>(&component); }

void AppendName(TfrxXMLText& out, const std::string& prefix, const QByteArray& name)
{
  out.push_back(' ');
  out.append(prefix);
  out.append(name.constData(), static_cast<std::size_t>(name.size()));
  out.append("=\"");
}

// ' Name="' of a property: ready-made at the top level, with the path of the
// sub-object after its space below it.
void AppendName(TfrxXMLText& out, const std::string& prefix, const TfrxPropInfo& property)
{
  const QByteArray& attribute = property.Utf8Attribute;
  if (prefix.empty()) {
    out.append(attribute.constData(), static_cast<std::size_t>(attribute.size()));
    return;
  }
  out.push_back(' ');
  out.append(prefix);
  out.append(attribute.constData() + 1, static_cast<std::size_t>(attribute.size() - 1));
}

// Enumeration and class names are ASCII identifiers: nothing to encode or
// escape.
template <class Out> void AppendIdentifier(Out& out, QStringView name)
{
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(name.size()));
  char* to = out.data() + at;
  for (QChar c : name)
    *to++ = static_cast<char>(c.unicode());
}

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

// An enumeration or attribute name against raw bytes; names are ASCII.
inline bool SameName(QStringView name, QByteArrayView bytes, bool ignoreCase)
{
  if (name.size() != bytes.size())
    return false;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char16_t a = name[i].unicode();
    const auto b = static_cast<unsigned char>(bytes[i]);
    // ASCII letters only, whatever the C locale says.
    const auto lower = static_cast<char16_t>(b | 0x20);
    if (a != b && !(ignoreCase && lower >= u'a' && lower <= u'z' && (a | 0x20) == lower))
      return false;
  }
  return true;
}

// `text` is plain ASCII without references and equal to `held`.
bool HoldsAscii(const QString& held, QByteArrayView text)
{
  if (held.size() != text.size())
    return false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80 || c == '&' || held[i].unicode() != c)
      return false;
  }
  return true;
}

qint64 ParseOrdinal(const TfrxPropInfo& property, QByteArrayView text)
{
  if (IndexOf(text, '&') >= 0)
    return ParseOrdinal(property, QStringView(frxXMLToStr(text)));
  const bool named = property.Kind == TfrxPropKind::Enum || property.Kind == TfrxPropKind::Boolean;
  if (!named || (!text.isEmpty() && (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-'))) {
    qint64 value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size())
      return value;
    if (!named)
      return frxStrToInt(text);
  }
  for (bool ignoreCase : {false, true}) {
    for (std::size_t i = 0; i < property.EnumNames.size(); ++i) {
      if (SameName(property.EnumNames[i], text, ignoreCase))
        return static_cast<qint64>(i);
    }
  }
  return ParseOrdinal(property, QStringView(QString::fromUtf8(text)));
}

void AppendInteger(TfrxXMLText& out, qint64 value)
{
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
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

namespace {

void AppendOrdinal(TfrxXMLText& out, const std::string& prefix, const TfrxPropInfo& property, qint64 value)
{
  const bool named = value >= 0 && value < static_cast<qint64>(property.Utf8NamedAttributes.size());
  if (named && prefix.empty()) {
    out.append(property.Utf8NamedAttributes[static_cast<std::size_t>(value)]);
    return;
  }
  AppendName(out, prefix, property);
  if (named)
    AppendIdentifier(out, property.EnumNames[static_cast<std::size_t>(value)]);
  else
    AppendInteger(out, value);
  out.push_back('"');
}

void AppendText(TfrxXMLText& out, const std::string& prefix, const TfrxPropInfo& property, QStringView value)
{
  AppendName(out, prefix, property);
  frxAppendXMLUtf8(out, value);
  out.push_back('"');
}

void AppendFloat(TfrxXMLText& out, const std::string& prefix, const TfrxPropInfo& property, std::string_view text)
{
  AppendName(out, prefix, property);
  out.append(text);
  out.push_back('"');
}

// Upper-case hexadecimal of every byte value: the two characters as a
// little-endian 16-bit number, the first one in the low byte.
constexpr std::array<std::uint16_t, 256> kHexPairs = [] {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::array<std::uint16_t, 256> pairs{};
  for (std::size_t i = 0; i < 256; ++i)
    pairs[i] = static_cast<std::uint16_t>(kHex[i >> 4] | kHex[i & 15] << 8);
  return pairs;
}();

void PutHexPair(char* to, unsigned char byte)
{
  const char pair[2] = {static_cast<char>(kHexPairs[byte]), static_cast<char>(kHexPairs[byte] >> 8)};
  std::memcpy(to, pair, sizeof pair);
}

void AppendPropData(TfrxXMLText& out, const std::string& prefix, const QByteArray& data)
{
  AppendName(out, prefix, QByteArrayLiteral("PropData"));
  const std::size_t at = out.size();
  out.resize(at + 2 * static_cast<std::size_t>(data.size()) + 1);
  char* to = out.data() + at;
  const auto* from = reinterpret_cast<const unsigned char*>(data.constData());
  const auto* end = from + data.size();
  // Four bytes a round, their eight digits gathered in a register and
  // stored at once; gathering them in memory would stall the read back.
  if constexpr (std::endian::native == std::endian::little) {
    for (; end - from >= 4; from += 4, to += 8) {
      const std::uint64_t digits = std::uint64_t(kHexPairs[from[0]]) | std::uint64_t(kHexPairs[from[1]]) << 16 |
                                   std::uint64_t(kHexPairs[from[2]]) << 32 | std::uint64_t(kHexPairs[from[3]]) << 48;
      std::memcpy(to, &digits, sizeof digits);
    }
  }
  for (; from != end; ++from, to += 2)
    PutHexPair(to, *from);
  *to = '"';
}

// Ordinals and strings at their defaults are most of what a write visits:
// cheap enough to be settled in the loop over a table, before any call.
bool AtDefault(const void* object, const TfrxPropInfo& property)
{
  if (frxIsOrdinalKind(property.Kind))
    return property.Default && property.Ordinal(object) == *property.Default;
  return property.Kind == TfrxPropKind::String && property.IsEmptyString(object);
}

}  // namespace

void TfrxXMLSerializer::AppendValue(TfrxXMLText& out, const void* object, const TfrxPropInfo& property,
                                    std::string& prefix, bool includeDefaults) const
{
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Set:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean:
    AppendOrdinal(out, prefix, property, property.Ordinal(object));
    return;
  case TfrxPropKind::Float: {
    const char separator = FDecimalSeparator.toLatin1();
    if (property.Geometry != TfrxGeometry::None) {
      AppendFloat(out, prefix, property, FFloatTexts.Text(Geometry(object, property.Geometry), separator));
      return;
    }
    const long double value = property.GetFloat(object);
    AppendFloat(out, prefix, property, FFloatTexts.Text(value, separator));
    return;
  }
  case TfrxPropKind::String:
  case TfrxPropKind::MemoText:
  case TfrxPropKind::StringList:
    AppendText(out, prefix, property, property.GetStr(object));
    return;
  case TfrxPropKind::Variant:
    AppendText(out, prefix, property, property.GetVariant(object).toString());
    return;
  case TfrxPropKind::Component:
    if (const TfrxComponent* target = property.GetRef(object))
      AppendText(out, prefix, property, target->Name());
    return;
  case TfrxPropKind::Object: {
    // Writing never changes the object; the accessor is shared with reading.
    const void* sub = property.Sub(const_cast<void*>(object));
    if (!includeDefaults && property.SubTable->WritesNothing && property.SubTable->WritesNothing(sub))
      return;
    const std::size_t prefixSize = prefix.size();
    prefix.append(property.Utf8Name.constData(), static_cast<std::size_t>(property.Utf8Name.size()));
    prefix.push_back('.');
    AppendAttributes(out, sub, *property.SubTable, prefix, includeDefaults);
    prefix.resize(prefixSize);
    return;
  }
  }
}

void TfrxXMLSerializer::AppendAttributes(TfrxXMLText& out, const void* object, const TfrxPropTable& table,
                                         std::string& prefix, bool includeDefaults) const
{
  // Taken out of the vectors once: what is written to `out` could alias
  // them as far as the compiler knows, and it would reload them each time.
  const TfrxPropInfo* props = table.Props().data();
  const TfrxDefaultCheck* defaults = table.DefaultChecks().data();
  const std::size_t count = table.Props().size();
  for (std::size_t i = 0; i < count; ++i) {
    if (!includeDefaults && defaults[i].Holds(object))
      continue;
    const TfrxPropInfo& property = props[i];
    if (property.IsStored(object) && (includeDefaults || !AtDefault(object, property)))
      AppendValue(out, object, property, prefix, includeDefaults);
  }
  if (!table.Defined)
    return;
  TfrxBinaryWriter writer;
  table.Defined.Write(object, writer, *this);
  if (!writer.Data().isEmpty())
    AppendPropData(out, prefix, writer.Data());
}

QString TfrxXMLSerializer::ObjToXML(const void* object, const TfrxPropTable& table, bool includeDefaults) const
{
  TfrxXMLText out;
  std::string prefix;
  AppendAttributes(out, object, table, prefix, includeDefaults);
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

void TfrxXMLSerializer::AppendSpacedAttributes(TfrxXMLText& out, const TfrxComponent& component, bool isRoot,
                                               bool includeDefaults) const
{
  if (!isRoot) {
    out.append(" Name=\"");
    frxAppendXMLUtf8(out, component.Name());
    out.push_back('"');
  }
  std::string prefix;
  AppendAttributes(out, Erase(component), component.Props(), prefix, includeDefaults);
}

void TfrxXMLSerializer::AppendComponentAttributes(TfrxXMLText& out, const TfrxComponent& component, bool isRoot,
                                                  bool includeDefaults) const
{
  const std::size_t start = out.size();
  AppendSpacedAttributes(out, component, isRoot, includeDefaults);
  if (out.size() > start)
    out.erase(start, 1);
}

QString TfrxXMLSerializer::ComponentAttributes(const TfrxComponent& component, bool isRoot,
                                               bool includeDefaults) const
{
  TfrxXMLText out;
  AppendComponentAttributes(out, component, isRoot, includeDefaults);
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& component, TfrxXMLItem& item, bool saveChildren,
                                       bool includeDefaults, bool isRoot) const
{
  item.Name = component.ClassName();
  TfrxXMLText attributes;
  AppendComponentAttributes(attributes, component, isRoot, includeDefaults);
  item.Text = QByteArray(attributes.data(), static_cast<qsizetype>(attributes.size()));
  if (!saveChildren)
    return;
  for (const TfrxComponent* child : component.Objects())
    WriteComponent(*child, item.Add(), true, includeDefaults, false);
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& component, TfrxXMLWriter& writer, int level,
                                       bool saveChildren, bool includeDefaults, bool isRoot) const
{
  // Class names are ASCII identifiers.
  std::string name;
  AppendIdentifier(name, component.ClassName());
  const bool hasChildren = saveChildren && !component.Objects().empty();
  AppendSpacedAttributes(writer.BeginOpenElement(level, name), component, isRoot, includeDefaults);
  writer.EndOpenElement(hasChildren);
  if (!hasChildren)
    return;
  const std::vector<TfrxComponent*>& children = component.Objects();
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (i + 2 < children.size())
      PrefetchObject(*children[i + 2]);
    if (i + 1 < children.size())
      PrefetchName(*children[i + 1]);
    WriteComponent(*children[i], writer, level + 1, true, includeDefaults, false);
  }
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

template <class Expected, class Apply>
void TfrxXMLSerializer::ParseAttributes(QByteArrayView text, Expected expected, Apply apply)
{
  const char* at = text.data();
  const char* end = at + text.size();
  // Names and the gap before a value are short: a plain scan beats memchr.
  auto scan = [end](const char* from, char c) {
    while (from != end && *from != c)
      ++from;
    return from;
  };
  while (at < end) {
    while (at < end && *at == ' ')
      ++at;
    const qsizetype expectedSize = expected(QByteArrayView(at, end));
    const char* equals = expectedSize >= 0 ? at + expectedSize : scan(at, '=');
    if (equals == end)
      return;
    const char* nameEnd = equals;
    while (nameEnd > at && nameEnd[-1] == ' ')
      --nameEnd;
    if (nameEnd == at)
      return;
    const char* open = scan(equals + 1, '"');
    if (open == end)
      return;
    const char* close = FindClosingQuote(open + 1, end);
    apply(QByteArrayView(at, nameEnd - at), QByteArrayView(open + 1, close - open - 1));
    at = close + 1;
  }
}

template <class Apply> void TfrxXMLSerializer::ParseAttributes(QByteArrayView text, Apply apply)
{
  ParseAttributes(text, [](QByteArrayView) -> qsizetype { return -1; }, apply);
}

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
    property.SetOrdinal(object, ParseOrdinal(property, value));
    return;
  case TfrxPropKind::Float:
    property.SetFloat(object, FFloatValues.Value(value));
    return;
  case TfrxPropKind::String:
    // A plain member that holds the value already (a font's "Arial") keeps
    // its string: no new one is made.
    if (!property.Field.IsString() || !HoldsAscii(property.Field.String(object), value))
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

void TfrxXMLSerializer::ReadPropData(void* object, const TfrxPropTable& table, QByteArrayView value)
{
  if (!table.Defined)
    return;
  // The buffer is taken for the time of the read: the block's properties
  // may hold PropData of their own.
  QByteArray block = std::exchange(FPropData, {});
  try {
    frxHexToBin(value, block);
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
  FPropData = std::move(block);
}

void TfrxXMLSerializer::ApplyProperty(void* object, const TfrxPropTable& table, QByteArrayView name,
                                      QByteArrayView value)
{
  const qsizetype dot = IndexOf(name, '.');
  const QByteArrayView head = dot < 0 ? name : name.first(dot);
  if (SameName(u"PropData", head, true)) {
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
  } else if (property->Kind == TfrxPropKind::StringList && SameName(u"Text", rest, true)) {
    property->SetStr(object, frxXMLToStr(value));
  }
}

TfrxResolvedAttribute TfrxXMLSerializer::Resolve(const TfrxPropTable& table, QByteArrayView name)
{
  using Action = TfrxResolvedAttribute::Action;
  // Every object has its four coordinates: they go in without the lookup.
  if (const TfrxGeometry geometry = GeometryNamed(name); geometry != TfrxGeometry::None && table.Publishes(geometry))
    return {Action::Geometry, geometry};
  if (name.size() == 1) {
    // Compact forms of prepared pages.
    switch (name[0] | 0x20) {
    case 'l': return {Action::Geometry, TfrxGeometry::Left};
    case 't': return {Action::Geometry, TfrxGeometry::Top};
    case 'w': return {Action::Geometry, TfrxGeometry::Width};
    case 'h': return {Action::Geometry, TfrxGeometry::Height};
    case 'x':
    case 'u': return {};
    default: break;
    }
  }
  if (SameName(u"Name", name, true))
    return {Action::Name};
  const qsizetype dot = IndexOf(name, '.');
  const QByteArrayView head = dot < 0 ? name : name.first(dot);
  if (SameName(u"PropData", head, true))
    return {};
  const TfrxPropInfo* property = table.Find(head);
  if (!property)
    return {Action::Ignore};
  if (dot < 0)
    return {Action::Property, TfrxGeometry::None, property};
  const QByteArrayView rest = name.sliced(dot + 1);
  if (property->Kind != TfrxPropKind::Object || IndexOf(rest, '.') >= 0 || SameName(u"PropData", rest, true))
    return {};
  return {Action::SubProperty, TfrxGeometry::None, property, property->SubTable->Find(rest)};
}

void TfrxXMLSerializer::ApplyComponentAttribute(TfrxComponent& component, const TfrxPropTable& table,
                                                const TfrxResolvedAttribute& resolved, QByteArrayView name,
                                                QByteArrayView value)
{
  using Action = TfrxResolvedAttribute::Action;
  switch (resolved.What) {
  case Action::Geometry:
    SetGeometry(component, resolved.Geometry, FFloatValues.Value(value));
    return;
  case Action::Name: {
    if (component.AsReport())
      return;
    // The element's name was decoded already to find its component.
    const bool decoded = value.data() == FElementNameValue.data() && value.size() == FElementNameValue.size();
    component.SetName(decoded ? FElementName : frxXMLToStr(value));
    return;
  }
  case Action::Property:
    SetValue(Erase(component), *resolved.Property, value);
    return;
  case Action::SubProperty: {
    void* object = Erase(component);
    if (resolved.SubProperty)
      SetValue(resolved.Property->Sub(object), *resolved.SubProperty, value);
    if (resolved.Property->SubChanged)
      resolved.Property->SubChanged(object);
    return;
  }
  case Action::Ignore:
    return;
  case Action::General:
    break;
  }
  // Of the one-letter names, Resolve leaves only the compact texts ('x' and
  // 'u') to this path.
  if (name.size() == 1) {
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&component))
      memo->SetText((name[0] | 0x20) == 'x' ? frxXMLToStr(value) : DecodeMemoText(value));
    return;
  }
  ApplyProperty(Erase(component), table, name, value);
}

void TfrxXMLSerializer::ReadObjectAttributes(void* object, const TfrxPropTable& table, QStringView text)
{
  const QByteArray utf8 = text.toUtf8();
  ParseAttributes(utf8, [&](QByteArrayView name, QByteArrayView value) {
    try {
      ApplyProperty(object, table, name, value);
    } catch (const EfrxError& error) {
      AddError(error.Message());
    }
  });
}

void TfrxXMLSerializer::ReadAttributeText(TfrxComponent& component, QByteArrayView text)
{
  const TfrxPropTable& table = component.Props();
  TfrxAttributeSequence& sequence = FSequences.For(table);
  std::size_t position = 0;
  // The name the previous element of the class had here, when this one
  // has it too: found without scanning for the '='.
  const TfrxResolvedAttribute* expected = nullptr;
  auto expect = [&](QByteArrayView rest) {
    qsizetype size = -1;
    expected = sequence.Expected(position, rest, size);
    return size;
  };
  ParseAttributes(text, expect, [&](QByteArrayView name, QByteArrayView value) {
    const TfrxResolvedAttribute* resolved = expected;
    TfrxResolvedAttribute resolvedNow;
    if (!resolved) {
      resolvedNow = Resolve(table, name);
      sequence.Remember(position, name, resolvedNow);
      resolved = &resolvedNow;
    }
    ++position;
    try {
      ApplyComponentAttribute(component, table, *resolved, name, value);
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

const QString& TfrxXMLSerializer::ElementName(QByteArrayView text)
{
  // The writer always puts the name first.
  static constexpr QByteArrayView kName = "Name=\"";
  if (text.size() >= kName.size() && std::memcmp(text.data(), kName.data(), kName.size()) == 0) {
    const char* const textEnd = text.data() + text.size();
    const char* end = FindClosingQuote(text.data() + kName.size(), textEnd);
    if (end != textEnd) {
      FElementNameValue = QByteArrayView(text.data() + kName.size(), end);
      FElementName = frxXMLToStr(FElementNameValue);
      return FElementName;
    }
  }
  FElementName = QString();
  ParseAttributes(text, [this](QByteArrayView attribute, QByteArrayView value) {
    if (FElementName.isNull() && SameName(u"Name", attribute, true))
      FElementName = frxXMLToStr(value);
  });
  return FElementName;
}

void TfrxXMLSerializer::StartElement(TfrxComponent& component, QByteArrayView text)
{
  component.SetLoading(true);
  FLoaded.push_back(&component);
  ReadAttributeText(component, text);
  FElementNameValue = {};
  const QString& name = component.Name();
  if (name.isEmpty())
    return;
  // Mostly the name ComponentFor looked up, shared: its hash is known.
  const bool looked = name.constData() == FElementName.constData() && name.size() == FElementName.size();
  FNamed.Add(&component, looked ? FElementNameHash : TfrxNameIndex::Hash(name));
}

TfrxComponent* TfrxXMLSerializer::ComponentFor(TfrxComponent& parent, QAnyStringView className, QByteArrayView text)
{
  const bool inherited =
      className.size() == 9 && QAnyStringView::compare(className, u"inherited", Qt::CaseInsensitive) == 0;
  // The name's slot in the index is asked for first: the class is found
  // while it arrives.
  const QString& name = ElementName(text);
  FElementNameHash = TfrxNameIndex::Hash(name);
  FNamed.Prefetch(FElementNameHash);
  TfrxComponentFactory factory = inherited ? nullptr : frxFindClass(className);
  if (!inherited && !factory) {
    FElementNameValue = {};
    AddError(QStringLiteral("Cannot find class ") + className.toString());
    return nullptr;
  }
  TfrxComponent* component = name.isEmpty() ? nullptr : FNamed.Find(name, FElementNameHash);
  if (!component && !inherited)
    component = factory(&parent);
  if (!component)
    FElementNameValue = {};
  return component;
}

void TfrxXMLSerializer::ReadElement(TfrxComponent& component, const TfrxXMLItem& item)
{
  StartElement(component, item.Text);
  for (int i = 0; i < item.Count(); ++i) {
    const TfrxXMLItem& child = item.Items(i);
    if (TfrxComponent* childComponent = ComponentFor(component, child.Name, child.Text))
      ReadElement(*childComponent, child);
  }
}

void TfrxXMLSerializer::ReadElement(TfrxComponent& component, const TfrxXMLElementList& elements, int index)
{
  StartElement(component, elements.Text(index));
  for (int child = index + 1; child < elements.End(index); child = elements.End(child)) {
    if (TfrxComponent* childComponent = ComponentFor(component, QLatin1StringView(elements.Name(child)),
                                                     elements.Text(child)))
      ReadElement(*childComponent, elements, child);
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
  FNamed.Clear();
}

template <class Read> void TfrxXMLSerializer::ReadRoot(TfrxComponent& root, Read read)
{
  root.Clear();
  try {
    read();
  } catch (...) {
    FinishLoading();
    throw;
  }
  ResolveReferences(root);
  FinishLoading();
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& root, const TfrxXMLItem& item)
{
  ReadRoot(root, [&] { ReadElement(root, item); });
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& root, const TfrxXMLElementList& elements)
{
  SetOldFormat(elements.OldVersion());
  FNamed.Reserve(static_cast<std::size_t>(elements.Count()));
  ReadRoot(root, [&] { ReadElement(root, elements, 0); });
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
