#pragma once
// A value each object keeps for itself, such as the links start-up hands a handler or the
// library the application binds: copying or assigning the object neither copies nor shares
// it, so a copy of a tree keeps working on its own tree.
#include <utility>

namespace quorvela {

template <class Value>
class PerObject {
 public:
  PerObject() = default;
  PerObject(const PerObject&) {}
  PerObject& operator=(const PerObject&) { return *this; }
  PerObject& operator=(Value value) {
    value_ = std::move(value);
    return *this;
  }

  Value& operator*() { return value_; }
  const Value& operator*() const { return value_; }
  Value* operator->() { return &value_; }
  const Value* operator->() const { return &value_; }

 private:
  Value value_{};
};

}  // namespace quorvela
