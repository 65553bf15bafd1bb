#pragma once
// The class operations of one class, written once: Derived names itself with kClassName and
// copies its members with its copy assignment, which also copies the base words.
#include <memory>

#include "app/core/object/vol_object.h"

namespace quorvela {

template <class Derived, class Base>
class VolClass : public Base {
 public:
  using Base::Base;

  static const ClassInfo& staticClassInfo() {
    static const ClassInfo info(Derived::kClassName, &makeInstance);
    return info;
  }
  // This class or one of its bases, from the class itself upwards.
  static bool kindOf(const ClassInfo& info) {
    return staticClassInfo().denotesSameClass(info) || Base::kindOf(info);
  }

  const ClassInfo& classInfo() const override { return staticClassInfo(); }
  bool isKindOf(const ClassInfo& info) const override { return kindOf(info); }
  std::unique_ptr<CVolObject> createInstance() const override { return makeInstance(); }

  std::unique_ptr<CVolObject> clone() const override {
    auto copy = std::make_unique<Derived>();
    *copy = self();
    return copy;
  }

  int assignFrom(const CVolObject& other) override {
    if (!other.isKindOf(staticClassInfo())) return 0;
    const auto* source = dynamic_cast<const Derived*>(&other);
    if (!source) return 0;
    this->releaseBeforeAssign();
    if (source != this) self() = *source;
    return 1;
  }

  void resetToDefault() override {
    const Derived fresh;
    this->releaseBeforeAssign();
    self() = fresh;
  }

 private:
  static std::unique_ptr<CVolObject> makeInstance() { return std::make_unique<Derived>(); }
  Derived& self() { return static_cast<Derived&>(*this); }
  const Derived& self() const { return static_cast<const Derived&>(*this); }
};

}  // namespace quorvela
