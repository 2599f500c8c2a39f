#pragma once

#include "platform/graphics/Font.h"
#include "report/model/PropTable.h"
#include "report/model/Types.h"

#include <QString>

#include <vector>

class QIODevice;

namespace quitanza::report {

class Page;
class Report;

// Left, top, width and height saved by BeforePrint.
struct Bounds {
  long double Left = 0, Top = 0, Width = 0, Height = 0;
};

// A node of the report tree. A component owns its children: they are freed
// with it, and a child being freed first leaves its parent's list.
class Component {
public:
  // With a parent the new object is appended to the parent's Objects and,
  // as ParentFont is true, takes a copy of the parent's font.
  explicit Component(report::Component* parent = nullptr);
  virtual ~Component();
  Component(const report::Component&) = delete;
  report::Component& operator=(const report::Component&) = delete;

  virtual QString ClassName() const = 0;
  // The published properties of this class in declared order.
  virtual const PropTable& Props() const = 0;

  // --- tree
  report::Component* Parent() const { return m_parent; }
  virtual void SetParent(report::Component* parent);
  const std::vector<report::Component*>& Objects() const { return m_objects; }
  // Every descendant depth first, each parent before its children.
  std::vector<report::Component*> AllObjects() const;
  report::Page* Page() const;
  report::Report* Report() const;
  // This component as a report, or nullptr.
  virtual report::Report* AsReport() { return nullptr; }
  // Moves a child to another place in this component's list.
  void MoveChild(report::Component* child, int index);
  // Frees all children; other objects of the report that referred to them
  // (FlowTo, DataSet) are cleared.
  virtual void Clear();

  // --- naming
  const QString& Name() const { return m_name; }
  // Throws DuplicateNameError when another object of the same report has it.
  void SetName(const QString& name);
  // The class name without "Tfrx" and "View" unless a class sets its own.
  QString BaseName() const { return m_baseName.isEmpty() ? BaseNameOf(ClassName()) : m_baseName; }
  void CreateUniqueName();
  // First descendant in AllObjects order whose name matches ignoring case.
  report::Component* FindObject(const QString& name) const;

  // --- geometry
  const long double& Left() const { return m_left; }
  const long double& Top() const { return m_top; }
  const long double& Width() const { return m_width; }
  const long double& Height() const { return m_height; }
  virtual void SetLeft(long double value);
  virtual void SetTop(long double value);
  virtual void SetWidth(long double value);
  virtual void SetHeight(long double value);
  void SetBounds(long double left, long double top, long double width, long double height);
  long double AbsLeft() const;
  long double AbsTop() const;

  // --- font
  const platform::Font& Font() const { return m_font; }
  // Assigning a font clears ParentFont and passes the font to children that
  // inherit theirs.
  virtual void SetFont(const platform::Font& font);
  bool ParentFont() const { return m_parentFont; }
  virtual void SetParentFont(bool value);
  // Called after the font was changed in place (e.g. while reading a file).
  void FontChanged();

  // --- other state
  int Tag = 0;
  QString Description;
  report::Align Align = Align::None;
  int GroupIndex = 0;
  report::Restrictions Restrictions;
  QString AliasName;
  ComponentStyles frComponentStyle = ComponentStyle::PreviewVisible;
  bool Ancestor = false;
  // Twin of this object in the prepared pages' source copy.
  report::Component* OriginalComponent = nullptr;

  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool value) { m_visible = value; }
  bool IsDesigning() const { return m_isDesigning; }
  void SetDesigning(bool value) { m_isDesigning = value; }
  bool IsLoading() const { return m_isLoading; }
  void SetLoading(bool value) { m_isLoading = value; }
  bool IsPrinting() const { return m_isPrinting; }
  void SetPrinting(bool value) { m_isPrinting = value; }
  bool IsWriting() const { return m_isWriting; }
  void SetWriting(bool value) { m_isWriting = value; }

  // --- copying and storage (template file format)
  // Copies the published properties of `source`, an object of the same
  // class, through the property table, as writing them and reading them back
  // would; the children are freed and the name stays. `copy` tells what is
  // copied: by default every property, floats exactly.
  void Assign(const report::Component& source, PropCopy copy = {});
  // Copies the published properties and the children, which are made anew,
  // named as the source's and told Loaded().
  void AssignAll(const report::Component& source);
  // Sets references gathered by a copy or a read: each target is looked for
  // by name among the descendants of `top`, then of `scope`.
  static void ResolveReferences(const std::vector<PropReference>& references, const report::Component& top,
                                const report::Component& scope);
  // The component as the root element of a document.
  virtual void SaveToStream(QIODevice& stream, bool saveChildren = true, bool saveDefaults = false) const;
  virtual void LoadFromStream(QIODevice& stream);
  // The framework's notification after the object was read.
  virtual void Loaded() {}

  // Common part of the property catalog of the component family.
  static const PropTable& ComponentCatalog();

protected:
  void SetBaseName(const QString& baseName) { m_baseName = baseName; }
  static QString BaseNameOf(const QString& className);

  report::Bounds m_originalRect;

private:
  friend class Report;
  void Detach();
  void DeleteChildren();
  // Hands this component's font to the children that inherit theirs.
  void PropagateFont();
  report::Component* FindDescendant(const QString& name) const;
  // The object references are resolved in: the report, or this component.
  const report::Component& ReferenceScope() const;
  // AssignAll below the root: `copied` gathers every object made or filled.
  void CopyTree(const report::Component& source, PropCopy& copy, std::vector<report::Component*>& copied);

  platform::Font m_font;
  std::vector<report::Component*> m_objects;
  report::Component* m_parent = nullptr;
  long double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
  bool m_parentFont = true;
  bool m_isDesigning = false, m_isLoading = false, m_isPrinting = false, m_isWriting = false;
  bool m_visible = true;
  QString m_name;
  QString m_baseName;
};

}  // namespace quitanza::report
