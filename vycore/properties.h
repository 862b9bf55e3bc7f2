#pragma once
// Published properties: the names under which the host stores, shows and
// scripts an object's settings. Each class lists its properties once, in
// declaration order, one line per property:
//
//   const vy::TPropertyList& TMyAction::PublishedProperties() const {
//     static const vy::TPropertyList list = vy::Publish<TMyAction>()
//         .String("Comment", &TMyAction::GetComment, &TMyAction::SetComment)
//         .Boolean("Reserved", &TMyAction::GetReserved, &TMyAction::SetReserved)
//         .Enumeration("ViewType", {"coView", "coBranch"}, &TMyAction::GetViewType,
//                      &TMyAction::SetViewType);
//     return list;
//   }
//
// Getters and setters may be members of a base class. A class that wants its
// parent's list first starts from it: vy::Publish<T>(Parent::PublishedProperties(...)).
// Publishing a name again replaces the earlier entry in place.

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace vy {

enum class TPropertyKind { String, Boolean, Integer, Enumeration };

// Enumerations travel as their ordinal.
using TPropertyValue = std::variant<std::string, bool, std::int32_t>;

class TVyPersistent;

struct TPublishedProperty {
  std::string name;
  TPropertyKind kind;
  std::vector<std::string> enumNames;  // Enumeration only, by ordinal
  std::function<TPropertyValue(const TVyPersistent&)> get;
  std::function<void(TVyPersistent&, const TPropertyValue&)> set;
  // Integer only: the values the property can take.
  std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
  std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
};

class TPropertyList {
 public:
  const std::vector<TPublishedProperty>& Items() const { return items_; }
  // Names compare case-insensitively, as the host's stores do.
  const TPublishedProperty* Find(std::string_view name) const;
  void Add(TPublishedProperty property);  // replaces an entry of the same name in place
  void SetRange(std::string_view name, std::int32_t minimum, std::int32_t maximum);

 private:
  std::vector<TPublishedProperty> items_;
};

// Base of every object the host persists or scripts by property name.
class TVyPersistent {
 public:
  virtual ~TVyPersistent() = default;
  virtual const TPropertyList& PublishedProperties() const;  // empty by default
};

// Text form of property values, shared by project files, the options store
// and script access: Booleans "true"/"false" (read case-insensitively),
// integers in decimal, enumerations by value name.
std::string PropertyValueToText(const TPublishedProperty& property, const TPropertyValue& value);
// False with the reason in `error`, e.g. "\"maybe\" is not a Boolean".
bool PropertyValueFromText(const TPublishedProperty& property, std::string_view text,
                           TPropertyValue& value, std::string* error);

// Reads or writes a property of an object by name; nullopt / false when the
// name is unknown or the text does not fit the property's kind (error set).
std::optional<std::string> GetPropertyText(const TVyPersistent& object, std::string_view name);
bool SetPropertyText(TVyPersistent& object, std::string_view name, std::string_view text,
                     std::string* error = nullptr);

template <class T>
class Publish {
 public:
  Publish() = default;
  explicit Publish(const TPropertyList& inherited) : list_(inherited) {}

  template <class Get, class Set>
  Publish& String(std::string name, Get get, Set set) {
    return Add<std::string>(std::move(name), TPropertyKind::String, {}, get, set);
  }
  template <class Get, class Set>
  Publish& Boolean(std::string name, Get get, Set set) {
    return Add<bool>(std::move(name), TPropertyKind::Boolean, {}, get, set);
  }
  template <class Get, class Set>
  Publish& Integer(std::string name, Get get, Set set) {
    return Add<std::int32_t>(std::move(name), TPropertyKind::Integer, {}, get, set);
  }
  // An integer that only takes values from minimum to maximum; text outside
  // is refused with the range.
  template <class Get, class Set>
  Publish& Integer(std::string name, std::int32_t minimum, std::int32_t maximum, Get get,
                   Set set) {
    const std::string key = name;
    Add<std::int32_t>(std::move(name), TPropertyKind::Integer, {}, get, set);
    list_.SetRange(key, minimum, maximum);
    return *this;
  }
  template <class Get, class Set>
  Publish& Enumeration(std::string name, std::vector<std::string> names, Get get, Set set) {
    return Add<std::int32_t>(std::move(name), TPropertyKind::Enumeration, std::move(names), get,
                             set);
  }

  operator TPropertyList() const { return list_; }  // NOLINT: intended conversion

 private:
  template <class Stored, class Get, class Set>
  Publish& Add(std::string name, TPropertyKind kind, std::vector<std::string> names, Get get,
               Set set) {
    TPublishedProperty p{std::move(name), kind, std::move(names), {}, {},
                         std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max()};
    p.get = [get](const TVyPersistent& o) -> TPropertyValue {
      auto v = std::invoke(get, static_cast<const T&>(o));
      if constexpr (std::is_enum_v<decltype(v)>) {
        return static_cast<std::int32_t>(v);
      } else {
        return static_cast<Stored>(v);
      }
    };
    p.set = [set](TVyPersistent& o, const TPropertyValue& v) {
      Invoke(set, static_cast<T&>(o), std::get<Stored>(v));
    };
    list_.Add(std::move(p));
    return *this;
  }

  // Calls a setter whatever its parameter type (enumerations take the ordinal).
  template <class C, class Arg, class Value>
  static void Invoke(void (C::*set)(Arg), T& o, const Value& v) {
    using Param = std::remove_cvref_t<Arg>;
    (o.*set)(static_cast<Param>(v));
  }

  TPropertyList list_;
};

}  // namespace vy
