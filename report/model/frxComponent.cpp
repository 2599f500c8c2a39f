#include "report/model/frxComponent.h"

#include "report/format/frxErrors.h"
#include "report/format/frxXML.h"
#include "report/model/frxClassRegistry.h"
#include "report/model/frxFontProps.h"
#include "report/model/frxPage.h"
#include "report/model/frxPropBuilder.h"
#include "report/model/frxReport.h"
#include "report/model/frxXMLSerializer.h"

#include <algorithm>

using namespace quitanza::platform;

TfrxComponent::TfrxComponent(TfrxComponent* parent)
{
  if (parent)
    SetParent(parent);
}

TfrxComponent::~TfrxComponent()
{
  TfrxReport* report = Report();
  if (report && !report->IsReleasing()) {
    std::vector<const TfrxComponent*> gone{this};
    for (const TfrxComponent* child : AllObjects())
      gone.push_back(child);
    report->ForgetReferencesTo(gone);
  }
  // Once detached, the children no longer reach the report.
  Detach();
  DeleteChildren();
}

void TfrxComponent::DeleteChildren()
{
  while (!FObjects.empty())
    delete FObjects.back();
}

void TfrxComponent::Clear()
{
  TfrxReport* report = Report();
  if (!report || report == this) {
    DeleteChildren();
    return;
  }
  const std::vector<TfrxComponent*> children = AllObjects();
  report->ForgetReferencesTo({children.begin(), children.end()});
  report->ReleaseChildrenOf(*this);
}

void TfrxComponent::Detach()
{
  if (!FParent)
    return;
  auto& siblings = FParent->FObjects;
  auto at = std::find(siblings.rbegin(), siblings.rend(), this);
  if (at != siblings.rend())
    siblings.erase(std::next(at).base());
  FParent = nullptr;
}

void TfrxComponent::SetParent(TfrxComponent* parent)
{
  Detach();
  if (parent) {
    parent->FObjects.push_back(this);
    FParent = parent;
  }
  SetParentFont(FParentFont);
}

std::vector<TfrxComponent*> TfrxComponent::AllObjects() const
{
  std::vector<TfrxComponent*> all;
  for (TfrxComponent* child : FObjects) {
    all.push_back(child);
    const auto below = child->AllObjects();
    all.insert(all.end(), below.begin(), below.end());
  }
  return all;
}

TfrxPage* TfrxComponent::Page() const
{
  for (const TfrxComponent* c = this; c; c = c->FParent) {
    if (auto* page = dynamic_cast<const TfrxPage*>(c))
      return const_cast<TfrxPage*>(page);
  }
  return nullptr;
}

TfrxReport* TfrxComponent::Report() const
{
  TfrxComponent* top = const_cast<TfrxComponent*>(this);
  while (top->FParent)
    top = top->FParent;
  return top->AsReport();
}

void TfrxComponent::MoveChild(TfrxComponent* child, int index)
{
  auto at = std::find(FObjects.begin(), FObjects.end(), child);
  if (at == FObjects.end())
    return;
  FObjects.erase(at);
  FObjects.insert(FObjects.begin() + std::clamp<int>(index, 0, static_cast<int>(FObjects.size())), child);
}

void TfrxComponent::SetName(const QString& name)
{
  if (QString::compare(name, FName, Qt::CaseInsensitive) == 0)
    return;
  if (Ancestor)
    throw EfrxError(QStringLiteral("Cannot rename inherited object ") + FName);
  // While a report is read, the reader itself keeps names unique.
  const TfrxReport* report = Report();
  if (report && !report->IsLoading() && !name.isEmpty() && report->FindObject(name))
    throw EDuplicateName();
  FName = name;
}

void TfrxComponent::CreateUniqueName()
{
  const TfrxComponent* scope = Report();
  if (!scope)
    scope = FParent;
  const QString base = BaseName();
  for (int n = 1;; ++n) {
    const QString candidate = base + QString::number(n);
    if (!scope || !scope->FindObject(candidate)) {
      FName = candidate;
      return;
    }
  }
}

TfrxComponent* TfrxComponent::FindDescendant(const QString& name) const
{
  for (TfrxComponent* child : FObjects) {
    if (QString::compare(child->FName, name, Qt::CaseInsensitive) == 0)
      return child;
    if (TfrxComponent* found = child->FindDescendant(name))
      return found;
  }
  return nullptr;
}

TfrxComponent* TfrxComponent::FindObject(const QString& name) const { return FindDescendant(name); }

void TfrxComponent::SetLeft(long double value)
{
  if (!(FIsDesigning && (Restrictions & rfDontMove)))
    FLeft = value;
}

void TfrxComponent::SetTop(long double value)
{
  if (!(FIsDesigning && (Restrictions & rfDontMove)))
    FTop = value;
}

void TfrxComponent::SetWidth(long double value)
{
  if (!(FIsDesigning && (Restrictions & rfDontSize)))
    FWidth = value;
}

void TfrxComponent::SetHeight(long double value)
{
  if (!(FIsDesigning && (Restrictions & rfDontSize)))
    FHeight = value;
}

void TfrxComponent::SetBounds(long double left, long double top, long double width, long double height)
{
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

long double TfrxComponent::AbsLeft() const { return FParent ? FLeft + FParent->AbsLeft() : FLeft; }

long double TfrxComponent::AbsTop() const { return FParent ? FTop + FParent->AbsTop() : FTop; }

void TfrxComponent::SetFont(const quitanza::platform::Font& font)
{
  FFont = font;
  FontChanged();
}

void TfrxComponent::FontChanged()
{
  FParentFont = false;
  PropagateFont();
}

void TfrxComponent::SetParentFont(bool value)
{
  FParentFont = value;
  if (value && FParent) {
    FFont = FParent->FFont;
    PropagateFont();
  }
}

void TfrxComponent::PropagateFont()
{
  for (TfrxComponent* child : FObjects) {
    if (child->FParentFont) {
      child->FFont = FFont;
      child->PropagateFont();
    }
  }
}

QString TfrxComponent::BaseNameOf(const QString& className)
{
  QString name = className;
  const qsizetype prefix = name.indexOf(QLatin1String("Tfrx"));
  if (prefix >= 0)
    name.remove(prefix, 4);
  const qsizetype view = name.indexOf(QLatin1String("View"));
  if (view >= 0)
    name.remove(view, 4);
  return name;
}

void TfrxComponent::ResolveReferences(const std::vector<TfrxPropReference>& references, const TfrxComponent& top,
                                      const TfrxComponent& scope)
{
  for (const TfrxPropReference& reference : references) {
    TfrxComponent* target = top.FindObject(reference.Name);
    if (!target && &top != &scope)
      target = scope.FindObject(reference.Name);
    reference.Property->SetRef(reference.Object, target);
  }
}

const TfrxComponent& TfrxComponent::ReferenceScope() const
{
  const TfrxReport* report = Report();
  return report ? static_cast<const TfrxComponent&>(*report) : *this;
}

void TfrxComponent::Assign(const TfrxComponent& source, TfrxPropCopy copy)
{
  if (&source.Props() != &Props())
    throw EfrxError(QStringLiteral("Cannot assign %1 to %2").arg(source.ClassName(), ClassName()));
  Props().Copy(this, &source, copy);
  Clear();
  ResolveReferences(copy.References, ReferenceScope(), *this);
}

void TfrxComponent::CopyTree(const TfrxComponent& source, TfrxPropCopy& copy, std::vector<TfrxComponent*>& copied)
{
  SetLoading(true);
  copied.push_back(this);
  Props().Copy(this, &source, copy);
  for (const TfrxComponent* child : source.Objects()) {
    TfrxComponentFactory factory = frxFindClass(child->ClassName());
    if (!factory)
      throw EfrxError(QStringLiteral("Cannot find class ") + child->ClassName());
    TfrxComponent* made = factory(this);
    made->SetName(child->Name());
    made->CopyTree(*child, copy, copied);
  }
}

void TfrxComponent::AssignAll(const TfrxComponent& source)
{
  if (&source.Props() != &Props())
    throw EfrxError(QStringLiteral("Cannot assign %1 to %2").arg(source.ClassName(), ClassName()));
  Clear();
  TfrxPropCopy copy;
  std::vector<TfrxComponent*> copied;
  // As after reading a file, whether or not the copy went through.
  auto finish = [&copied] {
    for (TfrxComponent* component : copied)
      component->SetLoading(false);
    for (TfrxComponent* component : copied) {
      if (!component->AsReport())
        component->Loaded();
    }
  };
  try {
    CopyTree(source, copy, copied);
    ResolveReferences(copy.References, ReferenceScope(), *this);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TfrxComponent::SaveToStream(QIODevice& stream, bool saveChildren, bool saveDefaults) const
{
  TfrxXMLDocument document;
  TfrxXMLSerializer(Report()).WriteRootComponent(*this, document.Root(), saveChildren, saveDefaults);
  document.SaveToStream(stream);
}

void TfrxComponent::LoadFromStream(QIODevice& stream)
{
  TfrxXMLDocument document;
  document.LoadFromStream(stream);
  TfrxXMLSerializer serializer(Report());
  serializer.SetOldFormat(document.OldVersion());
  serializer.ReadRootComponent(*this, document.Root());
}

const TfrxPropTable& TfrxComponent::ComponentCatalog()
{
  static const TfrxPropTable table = [] {
    using C = TfrxComponent;
    TfrxPropTable t;
    TfrxPropBuilder<C> b(t);
    b.Int(QStringLiteral("Tag"), &C::Tag, 0);
    b.Str(QStringLiteral("Description"), &C::Description);
    b.Enum(QStringLiteral("Align"), &C::Align, frxAlignNames, baNone);
    b.Float(QStringLiteral("Left"), Access(&C::Left, &C::SetLeft));
    b.Float(QStringLiteral("Top"), Access(&C::Top, &C::SetTop));
    b.Float(QStringLiteral("Width"), Access(&C::Width, &C::SetWidth));
    b.Float(QStringLiteral("Height"), Access(&C::Height, &C::SetHeight));
    b.Int(QStringLiteral("GroupIndex"), &C::GroupIndex, 0);
    b.Set(QStringLiteral("Restrictions"), &C::Restrictions, 0);
    b.Bool(QStringLiteral("Visible"), Access(&C::Visible, &C::SetVisible), true);
    b.Sub(QStringLiteral("Font"), &C::FFont, frxFontProps(), &C::FontChanged);
    b.When([](const C& c) { return !c.ParentFont(); });
    b.Bool(QStringLiteral("ParentFont"), Access(&C::ParentFont, &C::SetParentFont), true);
    return t;
  }();
  return table;
}
