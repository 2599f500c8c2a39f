#include "report/model/Component.h"

#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/model/ClassRegistry.h"
#include "report/model/FontProps.h"
#include "report/model/Page.h"
#include "report/model/PropBuilder.h"
#include "report/model/Report.h"
#include "report/model/XMLSerializer.h"

#include <algorithm>

namespace quitanza::report {

using namespace platform;

Component::Component(quitanza::report::Component* parent)
{
  if (parent)
    SetParent(parent);
}

Component::~Component()
{
  quitanza::report::Report* report = Report();
  if (report && !report->IsReleasing()) {
    std::vector<const quitanza::report::Component*> gone{this};
    for (const quitanza::report::Component* child : AllObjects())
      gone.push_back(child);
    report->ForgetReferencesTo(gone);
  }
  // Once detached, the children no longer reach the report.
  Detach();
  DeleteChildren();
}

void Component::DeleteChildren()
{
  while (!m_objects.empty())
    delete m_objects.back();
}

void Component::Clear()
{
  quitanza::report::Report* report = Report();
  if (!report || report == this) {
    DeleteChildren();
    return;
  }
  const std::vector<quitanza::report::Component*> children = AllObjects();
  report->ForgetReferencesTo({children.begin(), children.end()});
  report->ReleaseChildrenOf(*this);
}

void Component::Detach()
{
  if (!m_parent)
    return;
  auto& siblings = m_parent->m_objects;
  auto at = std::find(siblings.rbegin(), siblings.rend(), this);
  if (at != siblings.rend())
    siblings.erase(std::next(at).base());
  m_parent = nullptr;
}

void Component::SetParent(quitanza::report::Component* parent)
{
  Detach();
  if (parent) {
    parent->m_objects.push_back(this);
    m_parent = parent;
  }
  SetParentFont(m_parentFont);
}

std::vector<Component*> Component::AllObjects() const
{
  std::vector<quitanza::report::Component*> all;
  for (quitanza::report::Component* child : m_objects) {
    all.push_back(child);
    const auto below = child->AllObjects();
    all.insert(all.end(), below.begin(), below.end());
  }
  return all;
}

Page* Component::Page() const
{
  for (const quitanza::report::Component* c = this; c; c = c->m_parent) {
    if (auto* page = dynamic_cast<const quitanza::report::Page*>(c))
      return const_cast<quitanza::report::Page*>(page);
  }
  return nullptr;
}

Report* Component::Report() const
{
  quitanza::report::Component* top = const_cast<quitanza::report::Component*>(this);
  while (top->m_parent)
    top = top->m_parent;
  return top->AsReport();
}

void Component::MoveChild(quitanza::report::Component* child, int index)
{
  auto at = std::find(m_objects.begin(), m_objects.end(), child);
  if (at == m_objects.end())
    return;
  m_objects.erase(at);
  m_objects.insert(m_objects.begin() + std::clamp<int>(index, 0, static_cast<int>(m_objects.size())), child);
}

void Component::SetName(const QString& name)
{
  if (QString::compare(name, m_name, Qt::CaseInsensitive) == 0)
    return;
  if (Ancestor)
    throw ReportError(QStringLiteral("Cannot rename inherited object ") + m_name);
  // While a report is read, the reader itself keeps names unique.
  const quitanza::report::Report* report = Report();
  if (report && !report->IsLoading() && !name.isEmpty() && report->FindObject(name))
    throw DuplicateNameError();
  m_name = name;
}

void Component::CreateUniqueName()
{
  const quitanza::report::Component* scope = Report();
  if (!scope)
    scope = m_parent;
  const QString base = BaseName();
  for (int n = 1;; ++n) {
    const QString candidate = base + QString::number(n);
    if (!scope || !scope->FindObject(candidate)) {
      m_name = candidate;
      return;
    }
  }
}

Component* Component::FindDescendant(const QString& name) const
{
  for (quitanza::report::Component* child : m_objects) {
    if (QString::compare(child->m_name, name, Qt::CaseInsensitive) == 0)
      return child;
    if (quitanza::report::Component* found = child->FindDescendant(name))
      return found;
  }
  return nullptr;
}

Component* Component::FindObject(const QString& name) const { return FindDescendant(name); }

void Component::SetLeft(long double value)
{
  if (!(m_isDesigning && (Restrictions & Restriction::DontMove)))
    m_left = value;
}

void Component::SetTop(long double value)
{
  if (!(m_isDesigning && (Restrictions & Restriction::DontMove)))
    m_top = value;
}

void Component::SetWidth(long double value)
{
  if (!(m_isDesigning && (Restrictions & Restriction::DontSize)))
    m_width = value;
}

void Component::SetHeight(long double value)
{
  if (!(m_isDesigning && (Restrictions & Restriction::DontSize)))
    m_height = value;
}

void Component::SetBounds(long double left, long double top, long double width, long double height)
{
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

long double Component::AbsLeft() const { return m_parent ? m_left + m_parent->AbsLeft() : m_left; }

long double Component::AbsTop() const { return m_parent ? m_top + m_parent->AbsTop() : m_top; }

void Component::SetFont(const platform::Font& font)
{
  m_font = font;
  FontChanged();
}

void Component::FontChanged()
{
  m_parentFont = false;
  PropagateFont();
}

void Component::SetParentFont(bool value)
{
  m_parentFont = value;
  if (value && m_parent) {
    m_font = m_parent->m_font;
    PropagateFont();
  }
}

void Component::PropagateFont()
{
  for (quitanza::report::Component* child : m_objects) {
    if (child->m_parentFont) {
      child->m_font = m_font;
      child->PropagateFont();
    }
  }
}

QString Component::BaseNameOf(const QString& className)
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

void Component::ResolveReferences(const std::vector<PropReference>& references, const quitanza::report::Component& top,
                                  const quitanza::report::Component& scope)
{
  for (const PropReference& reference : references) {
    quitanza::report::Component* target = top.FindObject(reference.Name);
    if (!target && &top != &scope)
      target = scope.FindObject(reference.Name);
    reference.Property->SetRef(reference.Object, target);
  }
}

const Component& Component::ReferenceScope() const
{
  const quitanza::report::Report* report = Report();
  return report ? static_cast<const quitanza::report::Component&>(*report) : *this;
}

void Component::Assign(const quitanza::report::Component& source, PropCopy copy)
{
  if (&source.Props() != &Props())
    throw ReportError(QStringLiteral("Cannot assign %1 to %2").arg(source.ClassName(), ClassName()));
  Props().Copy(this, &source, copy);
  Clear();
  ResolveReferences(copy.References, ReferenceScope(), *this);
}

void Component::CopyTree(const quitanza::report::Component& source, PropCopy& copy, std::vector<quitanza::report::Component*>& copied)
{
  SetLoading(true);
  copied.push_back(this);
  Props().Copy(this, &source, copy);
  for (const quitanza::report::Component* child : source.Objects()) {
    ComponentFactory factory = FindClass(child->ClassName());
    if (!factory)
      throw ReportError(QStringLiteral("Cannot find class ") + child->ClassName());
    quitanza::report::Component* made = factory(this);
    made->SetName(child->Name());
    made->CopyTree(*child, copy, copied);
  }
}

void Component::AssignAll(const quitanza::report::Component& source)
{
  if (&source.Props() != &Props())
    throw ReportError(QStringLiteral("Cannot assign %1 to %2").arg(source.ClassName(), ClassName()));
  Clear();
  PropCopy copy;
  std::vector<quitanza::report::Component*> copied;
  // As after reading a file, whether or not the copy went through.
  auto finish = [&copied] {
    for (quitanza::report::Component* component : copied)
      component->SetLoading(false);
    for (quitanza::report::Component* component : copied) {
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

void Component::SaveToStream(QIODevice& stream, bool saveChildren, bool saveDefaults) const
{
  quitanza::report::XMLDocument document;
  XMLSerializer(Report()).WriteRootComponent(*this, document.Root(), saveChildren, saveDefaults);
  document.SaveToStream(stream);
}

void Component::LoadFromStream(QIODevice& stream)
{
  quitanza::report::XMLDocument document;
  document.LoadFromStream(stream);
  XMLSerializer serializer(Report());
  serializer.SetOldFormat(document.OldVersion());
  serializer.ReadRootComponent(*this, document.Root());
}

const PropTable& Component::ComponentCatalog()
{
  static const PropTable table = [] {
    using C = quitanza::report::Component;
    PropTable t;
    PropBuilder<C> b(t);
    b.Int(QStringLiteral("Tag"), &C::Tag, 0);
    b.Str(QStringLiteral("Description"), &C::Description);
    b.Enum(QStringLiteral("Align"), &C::Align, AlignNames, Align::None);
    b.Float(QStringLiteral("Left"), Access(&C::Left, &C::SetLeft));
    b.Float(QStringLiteral("Top"), Access(&C::Top, &C::SetTop));
    b.Float(QStringLiteral("Width"), Access(&C::Width, &C::SetWidth));
    b.Float(QStringLiteral("Height"), Access(&C::Height, &C::SetHeight));
    b.Int(QStringLiteral("GroupIndex"), &C::GroupIndex, 0);
    b.Set(QStringLiteral("Restrictions"), &C::Restrictions, 0);
    b.Bool(QStringLiteral("Visible"), Access(&C::Visible, &C::SetVisible), true);
    b.Sub(QStringLiteral("Font"), &C::m_font, FontProps(), &C::FontChanged);
    b.When([](const C& c) { return !c.ParentFont(); });
    b.Bool(QStringLiteral("ParentFont"), Access(&C::ParentFont, &C::SetParentFont), true);
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
