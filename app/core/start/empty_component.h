#pragma once
// A member without fields or behaviour; two with equal base words are equal.
#include "app/core/object/vol_class.h"

namespace quorvela {

class EmptyComponent : public VolClass<EmptyComponent, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::EmptyComponent";

  bool equals(const CVolObject& other) const override { return sameBaseWords(other); }
};

}  // namespace quorvela
