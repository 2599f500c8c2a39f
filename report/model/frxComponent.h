#pragma once

#include "platform/graphics/Font.h"
#include "report/model/frxPropTable.h"
#include "report/model/frxTypes.h"

#include <QString>

#include <vector>

class QIODevice;
class TfrxPage;
class TfrxReport;

// Left, top, width and height saved by BeforePrint.
struct TfrxRect {
  long double Left = 0, Top = 0, Width = 0, Height = 0;
};

// A node of the report tree. A component owns its children: they are freed
// with it, and a child being freed first leaves its parent's list.
class TfrxComponent {
public:
  // With a parent the new object is appended to the parent's Objects and,
  // as ParentFont is true, takes a copy of the parent's font.
  explicit TfrxComponent(TfrxComponent* parent = nullptr);
  virtual ~TfrxComponent();
  TfrxComponent(const TfrxComponent&) = delete;
  TfrxComponent& operator=(const TfrxComponent&) = delete;

  virtual QString ClassName() const = 0;
  // The published properties of this class in declared order.
  virtual const TfrxPropTable& Props() const = 0;

  // --- tree
  TfrxComponent* Parent() const { return FParent; }
  virtual void SetParent(TfrxComponent* parent);
  const std::vector<TfrxComponent*>& Objects() const { return FObjects; }
  // Every descendant depth first, each parent before its children.
  std::vector<TfrxComponent*> AllObjects() const;
  TfrxPage* Page() const;
  TfrxReport* Report() const;
  // This component as a report, or nullptr.
  virtual TfrxReport* AsReport() { return nullptr; }
  // Moves a child to another place in this component's list.
  void MoveChild(TfrxComponent* child, int index);
  // Frees all children; other objects of the report that referred to them
  // (FlowTo, DataSet) are cleared.
  virtual void Clear();

  // --- naming
  const QString& Name() const { return FName; }
  // Throws EDuplicateName when another object of the same report has it.
  void SetName(const QString& name);
  // The class name without "Tfrx" and "View" unless a class sets its own.
  QString BaseName() const { return FBaseName.isEmpty() ? BaseNameOf(ClassName()) : FBaseName; }
  void CreateUniqueName();
  // First descendant in AllObjects order whose name matches ignoring case.
  TfrxComponent* FindObject(const QString& name) const;

  // --- geometry
  const long double& Left() const { return FLeft; }
  const long double& Top() const { return FTop; }
  const long double& Width() const { return FWidth; }
  const long double& Height() const { return FHeight; }
  virtual void SetLeft(long double value);
  virtual void SetTop(long double value);
  virtual void SetWidth(long double value);
  virtual void SetHeight(long double value);
  void SetBounds(long double left, long double top, long double width, long double height);
  long double AbsLeft() const;
  long double AbsTop() const;

  // --- font
  const quitanza::platform::Font& Font() const { return FFont; }
  // Assigning a font clears ParentFont and passes the font to children that
  // inherit theirs.
  virtual void SetFont(const quitanza::platform::Font& font);
  bool ParentFont() const { return FParentFont; }
  virtual void SetParentFont(bool value);
  // Called after the font was changed in place (e.g. while reading a file).
  void FontChanged();

  // --- other state
  int Tag = 0;
  QString Description;
  TfrxAlign Align = baNone;
  int GroupIndex = 0;
  TfrxRestrictions Restrictions = 0;
  QString AliasName;
  TfrxComponentStyles frComponentStyle = csPreviewVisible;
  bool Ancestor = false;
  // Twin of this object in the prepared pages' source copy.
  TfrxComponent* OriginalComponent = nullptr;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value) { FVisible = value; }
  bool IsDesigning() const { return FIsDesigning; }
  void SetDesigning(bool value) { FIsDesigning = value; }
  bool IsLoading() const { return FIsLoading; }
  void SetLoading(bool value) { FIsLoading = value; }
  bool IsPrinting() const { return FIsPrinting; }
  void SetPrinting(bool value) { FIsPrinting = value; }
  bool IsWriting() const { return FIsWriting; }
  void SetWriting(bool value) { FIsWriting = value; }

  // --- copying and storage (template file format)
  // Copies the published properties of `source`, an object of the same
  // class, through the property table, as writing them and reading them back
  // would; the children are freed and the name stays. `copy` tells what is
  // copied: by default every property, floats exactly.
  void Assign(const TfrxComponent& source, TfrxPropCopy copy = {});
  // Copies the published properties and the children, which are made anew,
  // named as the source's and told Loaded().
  void AssignAll(const TfrxComponent& source);
  // Sets references gathered by a copy or a read: each target is looked for
  // by name among the descendants of `top`, then of `scope`.
  static void ResolveReferences(const std::vector<TfrxPropReference>& references, const TfrxComponent& top,
                                const TfrxComponent& scope);
  // The component as the root element of a document.
  virtual void SaveToStream(QIODevice& stream, bool saveChildren = true, bool saveDefaults = false) const;
  virtual void LoadFromStream(QIODevice& stream);
  // The framework's notification after the object was read.
  virtual void Loaded() {}

  // Common part of the property catalog of the component family.
  static const TfrxPropTable& ComponentCatalog();

protected:
  void SetBaseName(const QString& baseName) { FBaseName = baseName; }
  static QString BaseNameOf(const QString& className);

  TfrxRect FOriginalRect;

private:
  friend class TfrxReport;
  void Detach();
  void DeleteChildren();
  // Hands this component's font to the children that inherit theirs.
  void PropagateFont();
  TfrxComponent* FindDescendant(const QString& name) const;
  // The object references are resolved in: the report, or this component.
  const TfrxComponent& ReferenceScope() const;
  // AssignAll below the root: `copied` gathers every object made or filled.
  void CopyTree(const TfrxComponent& source, TfrxPropCopy& copy, std::vector<TfrxComponent*>& copied);

  quitanza::platform::Font FFont;
  std::vector<TfrxComponent*> FObjects;
  TfrxComponent* FParent = nullptr;
  long double FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FParentFont = true;
  bool FIsDesigning = false, FIsLoading = false, FIsPrinting = false, FIsWriting = false;
  bool FVisible = true;
  QString FName;
  QString FBaseName;
};
