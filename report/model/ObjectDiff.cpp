#include "report/model/ObjectDiff.h"

#include "report/format/Float.h"
#include "report/format/XMLEscape.h"
#include "report/model/Band.h"
#include "report/model/MemoView.h"
#include "report/model/PictureView.h"
#include "report/model/ShapeView.h"
#include "report/model/Strings.h"

#include <charconv>
#include <cmath>
#include <span>
#include <mutex>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>
#include <vector>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr long double kFloatTolerance = 0.0001L;

// One recorded property, reached from the object through its sub-objects.
struct DiffField {
  std::vector<const PropInfo*> Path;
  std::string Attribute;  // ' Name="'
  bool FontPart = false;  // recorded only for objects with their own font
};

// What is recorded of the objects of one class.
struct ClassDiff {
  std::vector<DiffField> BeforeText;  // a memo's text goes between the two
  std::vector<DiffField> AfterText;
  bool IsBand = false;     // its top is always recorded
  bool IsMemo = false;     // its text is
  bool IsPicture = false;  // its picture's index and transparency are
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
void AddFields(std::vector<DiffField>& fields, const PropTable& table, std::span<const std::string_view> names)
{
  for (std::string_view name : names) {
    DiffField field;
    const PropTable* current = &table;
    std::size_t start = 0;
    for (;;) {
      const std::size_t dot = name.find('.', start);
      const std::string_view segment = name.substr(start, dot == std::string_view::npos ? dot : dot - start);
      const PropInfo* property =
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

ClassDiff MakeClassDiff(const Component& object)
{
  const PropTable& table = object.Props();
  ClassDiff diff;
  diff.IsBand = dynamic_cast<const Band*>(&object) != nullptr;
  diff.IsMemo = dynamic_cast<const CustomMemoView*>(&object) != nullptr;
  diff.IsPicture = dynamic_cast<const PictureView*>(&object) != nullptr;
  AddFields(diff.BeforeText, table, kCommon);
  if (!dynamic_cast<const View*>(&object))
    return diff;
  AddFields(diff.BeforeText, table, kView);
  if (diff.IsMemo) {
    AddFields(diff.BeforeText, table, kMemoBeforeText);
    AddFields(diff.AfterText, table, kMemoAfterText);
  } else if (dynamic_cast<const ShapeView*>(&object)) {
    AddFields(diff.BeforeText, table, kShape);
  }
  return diff;
}

// Every stored object asks; what its class records is worked out once.
const ClassDiff& ClassDiffOf(const Component& object)
{
  static std::mutex mutex;
  static std::unordered_map<std::type_index, ClassDiff> diffs;
  const std::lock_guard lock(mutex);
  const std::type_index type(typeid(object));
  auto found = diffs.find(type);
  if (found == diffs.end())
    found = diffs.emplace(type, MakeClassDiff(object)).first;
  return found->second;
}

void AppendInteger(std::string& out, qint64 value)
{
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<std::size_t>(end - digits));
}

void AppendDiffFloat(std::string& out, long double value) { AppendFloat(out, value, DecimalSeparator()); }

void AppendFloatIfChanged(std::string& out, const char* attribute, long double value, long double original,
                          bool always = false)
{
  if (!always && std::fabs(value - original) <= kFloatTolerance)
    return;
  out.append(attribute);
  AppendDiffFloat(out, value);
  out.push_back('"');
}

void AppendField(std::string& out, const DiffField& field, const void* object, const void* source)
{
  for (std::size_t i = 0; i + 1 < field.Path.size(); ++i) {
    object = field.Path[i]->Sub(const_cast<void*>(object));
    source = field.Path[i]->Sub(const_cast<void*>(source));
  }
  const PropInfo& property = *field.Path.back();
  switch (property.Kind) {
  case PropKind::Integer:
  case PropKind::Enum:
  case PropKind::Boolean:
  case PropKind::Set: {
    const qint64 value = property.GetOrd(object);
    if (value == property.GetOrd(source))
      return;
    out.append(field.Attribute);
    AppendInteger(out, value);
    break;
  }
  case PropKind::Float: {
    const long double value = property.GetFloat(object);
    if (std::fabs(value - property.GetFloat(source)) <= kFloatTolerance)
      return;
    out.append(field.Attribute);
    AppendDiffFloat(out, value);
    break;
  }
  case PropKind::String: {
    const QString value = property.GetStr(object);
    if (value == property.GetStr(source))
      return;
    out.append(field.Attribute);
    AppendXMLUtf8(out, value);
    break;
  }
  default:
    return;
  }
  out.push_back('"');
}

void AppendFields(std::string& out, const std::vector<DiffField>& fields, const Component& object,
                  const Component& source)
{
  const bool ownFont = !object.ParentFont();
  for (const DiffField& field : fields) {
    if (!field.FontPart || ownFont)
      AppendField(out, field, &object, &source);
  }
}

void AppendPictureFields(std::string& out, const PictureView& picture)
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

void WriteDifferences(std::string& out, const Component& object, const Component& source)
{
  out.clear();
  const ClassDiff& diff = ClassDiffOf(object);
  AppendFloatIfChanged(out, " l=\"", object.Left(), source.Left());
  AppendFloatIfChanged(out, " t=\"", object.Top(), source.Top(), diff.IsBand);
  AppendFloatIfChanged(out, " w=\"", object.Width(), source.Width());
  AppendFloatIfChanged(out, " h=\"", object.Height(), source.Height());
  AppendFields(out, diff.BeforeText, object, source);
  if (diff.IsMemo) {
    out.append(" u=\"");
    AppendXMLUtf8(out, JoinLines(static_cast<const CustomMemoView&>(object).Lines()));
    out.push_back('"');
  } else if (diff.IsPicture) {
    AppendPictureFields(out, static_cast<const PictureView&>(object));
  }
  AppendFields(out, diff.AfterText, object, source);
  // The text starts with a space only between attributes.
  if (!out.empty() && out.front() == ' ')
    out.erase(0, 1);
}

}  // namespace quitanza::report
