#pragma once

#include "report/model/PropTable.h"
#include "report/model/Strings.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace quitanza::report {

// Getter and setter of one property: member data pointers, member functions
// or callables taking the object.
template <class Get, class Set>
struct Accessor {
  Get get;
  Set set;
};

template <class Member>
  requires std::is_member_object_pointer_v<Member>
Accessor<Member, Member> Field(Member member) { return {member, member}; }

template <class Get, class Set>
Accessor<Get, Set> Access(Get get, Set set) { return {get, set}; }

// Fills a PropTable for class C. Accessors receive the object as a
// pointer to Root (the type the table's users hold: Component for the
// component tree, the sub-object's own type otherwise).
template <class C, class Root = C>
class PropBuilder {
public:
  explicit PropBuilder(PropTable& table) : m_table(table) {}

  static C& Self(void* object) { return *static_cast<C*>(static_cast<Root*>(object)); }
  static const C& Self(const void* object) { return *static_cast<const C*>(static_cast<const Root*>(object)); }

  template <class A> const PropInfo& Int(QString name, A access, std::optional<qint64> def = 0)
  {
    return Ordinal(std::move(name), PropKind::Integer, access, def, {});
  }
  // `def` is the enumeration's default value, or std::nullopt when the
  // property is written whatever its value.
  template <class A, class D> const PropInfo& Enum(QString name, A access, report::EnumNames names, D def)
  {
    using T = std::remove_cvref_t<std::invoke_result_t<decltype(ToAccess(access).get), const C&>>;
    // Files may give any ordinal, kept as read: see Types.h.
    static_assert(std::is_same_v<std::underlying_type_t<T>, int>, "an enumeration read from files has the type int");
    std::optional<qint64> ordinal;
    if constexpr (std::is_same_v<D, T>)
      ordinal = static_cast<qint64>(def);
    else
      static_assert(std::is_same_v<D, std::nullopt_t>, "the default is a value of the property's enumeration");
    return Ordinal(std::move(name), PropKind::Enum, access, ordinal, names);
  }
  template <class A> const PropInfo& Bool(QString name, A access, std::optional<qint64> def)
  {
    static constexpr QStringView kNames[] = {u"False", u"True"};
    return Ordinal(std::move(name), PropKind::Boolean, access, def, kNames);
  }
  template <class A> const PropInfo& Set(QString name, A access, std::optional<qint64> def = 0)
  {
    return Ordinal(std::move(name), PropKind::Set, access, def, {});
  }

  template <class A> const PropInfo& Float(QString name, A access)
  {
    PropInfo info = Start(std::move(name), PropKind::Float);
    auto a = ToAccess(access);
    info.GetFloat = [a](const void* o) { return static_cast<long double>(std::invoke(a.get, Self(o))); };
    info.SetFloat = [a](void* o, long double v) { Assign(Self(o), a.set, v); };
    return m_table.Add(std::move(info));
  }

  template <class A> const PropInfo& Str(QString name, A access, PropKind kind = PropKind::String)
  {
    PropInfo info = Start(std::move(name), kind);
    auto a = ToAccess(access);
    info.GetStr = [a](const void* o) { return QString(std::invoke(a.get, Self(o))); };
    info.SetStr = [a](void* o, const QString& v) { Assign(Self(o), a.set, v); };
    return m_table.Add(std::move(info));
  }

  template <class A> const PropInfo& Variant(QString name, A access)
  {
    PropInfo info = Start(std::move(name), PropKind::Variant);
    auto a = ToAccess(access);
    info.GetVariant = [a](const void* o) { return QVariant(std::invoke(a.get, Self(o))); };
    info.SetVariant = [a](void* o, const QVariant& v) { Assign(Self(o), a.set, v); };
    return m_table.Add(std::move(info));
  }

  // Lines kept as a QStringList, read and written as one text.
  template <class A> const PropInfo& List(QString name, A access)
  {
    PropInfo info = Start(std::move(name), PropKind::StringList);
    auto a = ToAccess(access);
    info.GetStr = [a](const void* o) { return JoinLines(std::invoke(a.get, Self(o))); };
    info.SetStr = [a](void* o, const QString& v) { Assign(Self(o), a.set, SplitLines(v)); };
    return m_table.Add(std::move(info));
  }

  // A reference to a component of class Target, held as a plain pointer.
  template <class Target, class A> const PropInfo& Ref(QString name, A access)
  {
    PropInfo info = Start(std::move(name), PropKind::Component);
    auto a = ToAccess(access);
    info.GetRef = [a](const void* o) -> const report::Component* { return std::invoke(a.get, Self(o)); };
    info.SetRef = [a](void* o, report::Component* v) { Assign(Self(o), a.set, dynamic_cast<Target*>(v)); };
    return m_table.Add(std::move(info));
  }

  // A sub-object reached through `get` (returning a reference), described by
  // `table`; `changed` runs on the owner after each of its properties is read.
  template <class Get>
  const PropInfo& Sub(QString name, Get get, const PropTable& table, std::function<void(C&)> changed = {})
  {
    PropInfo info = Start(std::move(name), PropKind::Object);
    info.Sub = [get](void* o) -> void* { return &std::invoke(get, Self(o)); };
    info.SubTable = &table;
    if (changed)
      info.SubChanged = [changed](void* o) { changed(Self(o)); };
    return m_table.Add(std::move(info));
  }

  // Restricts the property added last: it is written only when the rule, a
  // lambda without captures, holds. A plain function is called for every
  // object written.
  template <class Rule> void When(Rule)
  {
    static_assert(std::is_empty_v<Rule>, "a stored rule captures nothing");
    m_table.SetLastStored([](const void* o) -> bool { return Rule{}(Self(o)); });
  }

private:
  template <class A> static auto ToAccess(A access)
  {
    if constexpr (std::is_member_object_pointer_v<A>)
      return Field(access);
    else
      return access;
  }

  // Flag sets (QFlags) are made from their bits explicitly; everything else
  // converts.
  template <class T, class V> static T Converted(V&& value)
  {
    if constexpr (requires { T::fromInt(typename T::Int()); })
      return T::fromInt(static_cast<typename T::Int>(value));
    else
      return static_cast<T>(std::forward<V>(value));
  }

  template <class S, class V> static void Assign(C& object, S set, V&& value)
  {
    if constexpr (std::is_member_object_pointer_v<S>) {
      using T = std::remove_cvref_t<decltype(object.*set)>;
      object.*set = Converted<T>(std::forward<V>(value));
    } else if constexpr (std::is_member_function_pointer_v<S>) {
      using T = typename SetterArg<S>::type;
      (object.*set)(Converted<T>(std::forward<V>(value)));
    } else {
      set(object, std::forward<V>(value));
    }
  }

  template <class S> struct SetterArg;
  template <class R, class K, class Arg> struct SetterArg<R (K::*)(Arg)> {
    using type = std::remove_cvref_t<Arg>;
  };

  template <class A>
  const PropInfo& Ordinal(QString name, PropKind kind, A access, std::optional<qint64> def, report::EnumNames names)
  {
    PropInfo info = Start(std::move(name), kind);
    info.Default = def;
    info.EnumNames = names;
    auto a = ToAccess(access);
    info.GetOrd = [a](const void* o) { return OrdinalOf(std::invoke(a.get, Self(o))); };
    info.SetOrd = [a](void* o, qint64 v) { Assign(Self(o), a.set, v); };
    return m_table.Add(std::move(info));
  }

  template <class V> static qint64 OrdinalOf(V value)
  {
    if constexpr (requires { value.toInt(); })
      return static_cast<qint64>(value.toInt());
    else
      return static_cast<qint64>(value);
  }

  static PropInfo Start(QString name, PropKind kind)
  {
    PropInfo info;
    info.Name = std::move(name);
    info.Kind = kind;
    return info;
  }

  PropTable& m_table;
};

}  // namespace quitanza::report
