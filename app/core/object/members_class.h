#pragma once
// The class operations of a class whose members are listed once. A class copies and
// assigns member by member in the order it declares them (each member's type says how: a
// control shares its window, an event record or a link stays each object's own), and it
// reads and writes a stream through one list, after its base:
//
//   static auto members(auto& self) { return std::tie(self.first, self.second); }
//
// Each member is streamed by readMember and writeMember, found by the member's namespace:
// an object of the program reads and writes itself; a value type gives its own pair.
#include <concepts>
#include <string>
#include <tuple>

#include "app/core/object/vol_class.h"

namespace quorvela {

template <std::derived_from<CVolObject> Object>
void readMember(VolStream& stream, Object& member) {
  member.readFromStream(&stream);
}
template <std::derived_from<CVolObject> Object>
void writeMember(VolStream& stream, const Object& member) {
  member.writeToStream(&stream);
}

inline void readMember(VolStream& stream, std::string& text) { stream.readText(text); }
inline void writeMember(VolStream& stream, const std::string& text) { stream.writeText(text); }

template <class Derived, class Base>
class MembersClass : public VolClass<Derived, Base> {
 public:
  using VolClass<Derived, Base>::VolClass;

 protected:
  void readMembers(VolStream& stream) override {
    Base::readMembers(stream);
    std::apply([&stream](auto&... member) { (readMember(stream, member), ...); },
               Derived::members(static_cast<Derived&>(*this)));
  }
  void writeMembers(VolStream& stream) const override {
    Base::writeMembers(stream);
    std::apply([&stream](const auto&... member) { (writeMember(stream, member), ...); },
               Derived::members(static_cast<const Derived&>(*this)));
  }
};

}  // namespace quorvela
