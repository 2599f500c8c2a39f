#include "report/model/frxObjectDiff.h"

#include "report/format/frxFloat.h"
#include "report/format/frxXMLEscape.h"
#include "report/model/frxBand.h"
#include "report/model/frxMemoView.h"
#include "report/model/frxPictureView.h"
#include "report/model/frxShapeView.h"
#include "report/model/frxStrings.h"

#include <charconv>
#include <cmath>
#include <span>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace quitanza::platform;

namespace {

constexpr long double kFloatTolerance = 0.0001L;

// One recorded property, reached from the object through its sub-objects.
struct DiffField {
  std::vector<const TfrxPropInfo*> Path;
  std::string Attribute;  // ' Name="'
  bool FontPart = false;  // recorded only for objects with their own font
};

struct ClassDiff {
  std::vector<DiffField> BeforeText;  // a memo's text goes between the two
  std::vector<DiffField> AfterText;
};

constexpr std::string_view kCommon[] = {
    "Visible", "Font.Name", "Font.Size", "Font.Color", "Font.Style", "Font.Charset", "ParentFont", "Tag"};
constexpr std::string_view kView[] = {
    "BrushStyle", "Align", "Color", "Frame.Color", "Frame.DropShadow", "Frame.ShadowColor", "Frame.ShadowWidth",
    "Frame.Style", "Frame.Typ", "Frame.Width", "Frame.LeftLine.Color", "Frame.LeftLine.Style",
    "Frame.LeftLine.Width", "Frame.TopLine.Color", "Frame.TopLine.Style", "Frame.TopLine.Width",
    "Frame.RightLine.Color", "Frame.RightLine.Style", "Frame.RightLine.Width", "Frame.BottomLine.Color",
    "Frame.BottomLine.Style", "Frame.BottomLine.Width", "Cursor", "Printable", "TagStr", "URL"};
constexpr std::string_view kMemoBeforeText[] = {
    "AutoWidth", "CharSpacing", "GapX", "GapY", "HAlign", "Highlight.Active", "LineSpacing", "UseDefaultCharset"};
constexpr std::string_view kMemoAfterText[] = {
    "ParagraphGap", "FirstParaBreak", "LastParaBreak", "Rotation", "RTLReading", "Underlines", "VAlign", "WordWrap",
    "DisplayFormat.DecimalSeparator", "DisplayFormat.FormatStr", "DisplayFormat.Kind",
    "DisplayFormat.ThousandSeparator"};
constexpr std::string_view kShape[] = {"Shape"};

// Properties the class does not publish are left out: reading could not set them.
void AddFields(std::vector<DiffField>& fields, const TfrxPropTable& table, std::span<const std::string_view> names)
{
  for (std::string_view name : names) {
    DiffField field;
    const TfrxPropTable* current = &table;
    std::size_t start = 0;
    for (;;) {
      const std::size_t dot = name.find('.', start);
      const std::string_view segment = name.substr(start, dot == std::string_view::npos ? dot : dot - start);
      const TfrxPropInfo* property =
          current ? current->Find(QByteArrayView(segment.data(), static_cast<qsizetype>(segment.size()))) : nullptr;
      if (!property) {
        field.Path.clear();
        break;
      }
      field.Path.push_back(property);
      if (dot == std::string_view::npos)
        break;
      current = property->SubTable;
      start = dot + 1;
    }
    if (field.Path.empty())
      continue;
    field.Attribute = " " + std::string(name) + "=\"";
    field.FontPart = name.starts_with("Font.");
    fields.push_back(std::move(field));
  }
}

ClassDiff MakeClassDiff(const TfrxComponent& object)
{
  const TfrxPropTable& table = object.Props();
  ClassDiff diff;
  AddFields(diff.BeforeText, table, kCommon);
  if (!dynamic_cast<const TfrxView*>(&object))
    return diff;
  AddFields(diff.BeforeText, table, kView);
  if (dynamic_cast<const TfrxCustomMemoView*>(&object)) {
    AddFields(diff.BeforeText, table, kMemoBeforeText);
    AddFields(diff.AfterText, table, kMemoAfterText);
  } else if (dynamic_cast<const TfrxShapeView*>(&object)) {
    AddFields(diff.BeforeText, table, kShape);
  }
  return diff;
}

const ClassDiff& ClassDiffOf(const TfrxComponent& object)
{
  static std::mutex mutex;
  static std::unordered_map<const TfrxPropTable*, ClassDiff> diffs;
  const std::lock_guard lock(mutex);
  const TfrxPropTable* table = &object.Props();
  auto found = diffs.find(table);
  if (found == diffs.end())
    found = diffs.emplace(table, MakeClassDiff(object)).first;
  return found->second;
}

void AppendInteger(std::string& out, qint64 value)
{
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
}

void AppendFloat(std::string& out, long double value) { frxAppendFloat(out, value, frxDecimalSeparator()); }

void AppendFloatIfChanged(std::string& out, const char* attribute, long double value, long double original,
                          bool always = false)
{
  if (!always && std::fabs(value - original) <= kFloatTolerance)
    return;
  out.append(attribute);
  AppendFloat(out, value);
  out.push_back('"');
}

void AppendField(std::string& out, const DiffField& field, const void* object, const void* source)
{
  for (std::size_t i = 0; i + 1 < field.Path.size(); ++i) {
    object = field.Path[i]->Sub(const_cast<void*>(object));
    source = field.Path[i]->Sub(const_cast<void*>(source));
  }
  const TfrxPropInfo& property = *field.Path.back();
  switch (property.Kind) {
  case TfrxPropKind::Integer:
  case TfrxPropKind::Enum:
  case TfrxPropKind::Boolean:
  case TfrxPropKind::Set: {
    const qint64 value = property.GetOrd(object);
    if (value == property.GetOrd(source))
      return;
    out.append(field.Attribute);
    AppendInteger(out, value);
    break;
  }
  case TfrxPropKind::Float: {
    const long double value = property.GetFloat(object);
    if (std::fabs(value - property.GetFloat(source)) <= kFloatTolerance)
      return;
    out.append(field.Attribute);
    AppendFloat(out, value);
    break;
  }
  case TfrxPropKind::String: {
    const QString value = property.GetStr(object);
    if (value == property.GetStr(source))
      return;
    out.append(field.Attribute);
    frxAppendXMLUtf8(out, value);
    break;
  }
  default:
    return;
  }
  out.push_back('"');
}

void AppendFields(std::string& out, const std::vector<DiffField>& fields, const TfrxComponent& object,
                  const TfrxComponent& source)
{
  const bool ownFont = !object.ParentFont();
  for (const DiffField& field : fields) {
    if (!field.FontPart || ownFont)
      AppendField(out, field, &object, &source);
  }
}

void AppendPictureFields(std::string& out, const TfrxPictureView& picture)
{
  out.append(" ImageIndex=\"");
  AppendInteger(out, picture.ImageIndex);
  out.push_back('"');
  if (picture.Transparent())
    out.append(" Transparent=\"1\"");
  if (picture.TransparentColor != clWhite) {
    out.append(" TransparentColor=\"");
    AppendInteger(out, picture.TransparentColor);
    out.push_back('"');
  }
}

}  // namespace

void frxWriteDifferences(std::string& out, const TfrxComponent& object, const TfrxComponent& source)
{
  out.clear();
  const bool band = dynamic_cast<const TfrxBand*>(&object) != nullptr;
  AppendFloatIfChanged(out, " l=\"", object.Left(), source.Left());
  AppendFloatIfChanged(out, " t=\"", object.Top(), source.Top(), band);
  AppendFloatIfChanged(out, " w=\"", object.Width(), source.Width());
  AppendFloatIfChanged(out, " h=\"", object.Height(), source.Height());
  const ClassDiff& diff = ClassDiffOf(object);
  AppendFields(out, diff.BeforeText, object, source);
  if (const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&object)) {
    out.append(" u=\"");
    frxAppendXMLUtf8(out, frxJoinLines(memo->Lines()));
    out.push_back('"');
  } else if (const auto* picture = dynamic_cast<const TfrxPictureView*>(&object)) {
    AppendPictureFields(out, *picture);
  }
  AppendFields(out, diff.AfterText, object, source);
  // The text starts with a space only between attributes.
  if (!out.empty() && out.front() == ' ')
    out.erase(0, 1);
}
